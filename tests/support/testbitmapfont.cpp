#include "testbitmapfont.h"

#include <QByteArray>
#include <QFontDatabase>

namespace {

const char kFamily[] = "Orvanta Bitmap Test";

// One face of one pixel size in the plain-text BDF format. The charset
// properties matter: without them the face has no character map and the font
// configuration refuses it.
QByteArray BitmapFace(int pixelSize)
{
    const QByteArray px = QByteArray::number(pixelSize);
    QByteArray bdf;
    bdf += "STARTFONT 2.1\n";
    bdf += "FONT -orvanta-" + QByteArray(kFamily) + "-Medium-R-Normal--" + px + "-" + QByteArray::number(pixelSize * 10)
           + "-75-75-C-40-ISO10646-1\n";
    bdf += "SIZE " + px + " 75 75\n";
    bdf += "FONTBOUNDINGBOX 4 " + px + " 0 0\n";
    bdf += "STARTPROPERTIES 7\n";
    bdf += "CHARSET_REGISTRY \"ISO10646\"\n";
    bdf += "CHARSET_ENCODING \"1\"\n";
    bdf += "FAMILY_NAME \"" + QByteArray(kFamily) + "\"\n";
    bdf += "WEIGHT_NAME \"Medium\"\n";
    bdf += "PIXEL_SIZE " + px + "\n";
    bdf += "FONT_ASCENT " + px + "\n";
    bdf += "FONT_DESCENT 0\n";
    bdf += "ENDPROPERTIES\n";
    bdf += "CHARS 1\nSTARTCHAR A\nENCODING 65\nSWIDTH 500 0\nDWIDTH 4 0\n";
    bdf += "BBX 4 " + px + " 0 0\nBITMAP\n";
    for (int row = 0; row < pixelSize; ++row)
        bdf += "F0\n";
    bdf += "ENDCHAR\nENDFONT\n";
    return bdf;
}

} // namespace

QString OrvAddTestBitmapFont()
{
    const QString family = QString::fromLatin1(kFamily);
    if (QFontDatabase::hasFamily(family))
        return family;
    for (const int pixelSize : {10, 13, 20}) {
        if (QFontDatabase::addApplicationFontFromData(BitmapFace(pixelSize)) < 0)
            return QString();
    }
    return QFontDatabase::hasFamily(family) ? family : QString();
}
