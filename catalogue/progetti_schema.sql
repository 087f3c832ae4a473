-- The valve list: the only table the program writes. Column order matters.
CREATE TABLE IF NOT EXISTS progetti (
  posizione INTEGER,
  nome_tipo TEXT,
  dimensione TEXT,
  numero_di_materiale TEXT,
  dP REAL,
  portata REAL,
  fluido INTEGER,
  t_mandata REAL,
  t_ritorno REAL,
  potenza REAL,
  presetting TEXT,
  kv TEXT,
  apertura TEXT,
  riferimento TEXT,
  muP TEXT,
  muQ TEXT,
  muPower TEXT,
  muTemp TEXT
);
