#include "launch/MenuCaptions.h"

namespace tw {

QString NumberedCaption(const QString& name, int number)
{
    if (number < 0 || number > 9)
        return name;
    return u'&' + QString::number(number) + u' ' + name;
}

QString StripCaptionNumber(const QString& caption)
{
    const bool numbered = caption.size() >= 3 && caption.at(0) == u'&'
                          && caption.at(1) >= u'0' && caption.at(1) <= u'9'
                          && caption.at(2) == u' ';
    return numbered ? caption.mid(3) : caption;
}

QString EscapeAmpersands(const QString& text)
{
    QString escaped = text;
    escaped.replace(u'&', QStringLiteral("&&"));
    return escaped;
}

} // namespace tw
