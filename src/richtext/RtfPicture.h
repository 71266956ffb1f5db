#pragma once

#include <QByteArray>
#include <QImage>
#include <QSizeF>
#include <QString>

#include <string_view>

namespace vorkast::rtf::detail {

enum class PictureKind : std::uint8_t { Unknown, Png, Jpeg, Dib, Other };

// A picture ready for the document: the image, and its resource name, a data URL holding the
// picture's PNG or JPEG file, so the picture travels with the text when it is copied elsewhere.
struct DecodedPicture {
    QImage image;
    QString name;
};

// One \pict group: its properties and data, collected as the group is read.
class Picture {
public:
    void setKind(PictureKind kind) { m_kind = kind; }
    void setGoalW(int twips) { m_goalW = twips; }
    void setGoalH(int twips) { m_goalH = twips; }
    void setScaleX(int percent) { m_scaleX = percent; }
    void setScaleY(int percent) { m_scaleY = percent; }

    // Hex digits of the data; other characters (blanks) are passed over.
    void addHex(std::string_view text);
    void addBinary(std::string_view bytes);

    // The picture, or a null image for kinds we do not show and for bad data.
    DecodedPicture decode() const;
    // Its size in document pixels: the goal size (twips) or the image's own, scaled.
    QSizeF displaySize(const QImage &image) const;

private:
    PictureKind m_kind = PictureKind::Unknown;
    int m_goalW = 0;
    int m_goalH = 0;
    int m_scaleX = 100;
    int m_scaleY = 100;
    QByteArray m_data;
    int m_highNibble = -1;
};

} // namespace vorkast::rtf::detail
