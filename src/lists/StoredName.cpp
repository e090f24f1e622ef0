#include "lists/StoredName.h"

#include "platform/Utf8Validation.h"

namespace tw {

StoredName StoredName::fromStored(const QByteArray& bytes) {
    StoredName name;
    name.text_ = isValidUtf8(bytes.constData(), bytes.size()) ? QString::fromUtf8(bytes)
                                                               : QString::fromLatin1(bytes);
    name.readText_ = name.text_.isNull() ? QString(QLatin1String("")) : name.text_;
    name.readBytes_ = bytes;
    return name;
}

StoredName StoredName::fromText(const QString& text) {
    StoredName name;
    name.text_ = text;
    return name;
}

QByteArray StoredName::stored() const {
    if (!readText_.isNull() && text_ == readText_)
        return readBytes_;
    return text_.toUtf8();
}

} // namespace tw
