#include "tests/qt/support/curve_picture.h"

#include <QString>
#include <QXmlStreamReader>

CurvePicture readCurvePicture(const std::string& svg)
{
    CurvePicture picture;
    QXmlStreamReader reader(QByteArray::fromStdString(svg));
    bool inLabel = false;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isEndElement() && reader.name() == u"g")
            inLabel = false;
        if (!reader.isStartElement())
            continue;
        const QXmlStreamAttributes attributes = reader.attributes();
        const QString id = attributes.value("id").toString();
        if (reader.name() == u"polyline" && id == "curve") {
            for (const QString& pair : attributes.value("points").toString().split(' ', Qt::SkipEmptyParts))
                picture.curve.emplace_back(pair.section(',', 0, 0).toDouble(), pair.section(',', 1, 1).toDouble());
        } else if (reader.name() == u"circle" && id == "operating-point") {
            picture.marked = {attributes.value("cx").toDouble(), attributes.value("cy").toDouble()};
        } else if (reader.name() == u"g" && id == "operating-label") {
            inLabel = true;
        } else if (reader.name() == u"text") {
            const double x = attributes.value("x").toDouble();
            const std::string text = reader.readElementText().toStdString();
            picture.textX[text] = x;
            if (inLabel)
                picture.label += text + "\n";
        }
    }
    picture.parsed = !reader.hasError();
    return picture;
}
