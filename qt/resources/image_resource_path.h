#pragma once

#include <QString>

// The resource path of picture `id`, such as ":/images/203.png".
QString imageResourcePath(int id);
