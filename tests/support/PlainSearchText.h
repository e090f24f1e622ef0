#pragma once
// A searchable text held in memory, matched by the same rules as the edit
// control, so the search engine can be tested without a window.
#include "editing/SearchableText.h"
#include "platform/TextFile.h"

namespace tw::test {

class PlainSearchText : public SearchableText {
public:
    explicit PlainSearchText(QByteArray bytes = {},
                             TextFormat::Encoding encoding = TextFormat::Encoding::Utf8);

    const QByteArray& bytes() const { return bytes_; }
    void setReadOnly(bool readOnly) { readOnly_ = readOnly; }
    // The text as it was before the last group of changes (one undo step).
    void undo();
    int changeGroups() const { return groups_; }

    qsizetype length() const override { return bytes_.size(); }
    bool isReadOnly() const override { return readOnly_; }
    std::optional<QByteArray> searchBytes(const QString& text) const override;
    QByteArray replacementBytes(const QString& text) const override;
    std::optional<TextMatch> find(const QByteArray& what, qsizetype start, qsizetype end,
                                  FindOptions options) override;
    qsizetype selStart() const override { return selStart_; }
    qsizetype selLength() const override { return selLength_; }
    void select(qsizetype start, qsizetype length) override;
    bool replace(qsizetype start, qsizetype length, const QByteArray& bytes) override;
    void beginChanges() override;
    void endChanges() override;

private:
    QByteArray bytes_;
    QByteArray beforeGroup_;
    TextFormat::Encoding encoding_;
    qsizetype selStart_ = 0;
    qsizetype selLength_ = 0;
    bool readOnly_ = false;
    int depth_ = 0;
    int groups_ = 0;
};

} // namespace tw::test
