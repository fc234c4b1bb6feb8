#pragma once

// Layer table: the text table, its order and the writers that turn it into bytes; uses base,
// Qt Core, libxlsxwriter and ICU.

#include <QByteArrayView>
#include <QLocale>

#include <string>

struct UCollator;

namespace quillfen {

// Orders texts as people of a locale read them: letters by the locale's collation (the one
// QCollator uses, from ICU), runs of digits by their value, so "file 2" comes before
// "file 10". Texts are turned into keys once and the keys compared byte by byte, as comparing
// the texts themselves costs too much for a million of them.
class NaturalOrder {
public:
    explicit NaturalOrder(const QLocale& locale = QLocale());
    ~NaturalOrder();
    NaturalOrder(const NaturalOrder&) = delete;
    NaturalOrder& operator=(const NaturalOrder&) = delete;

    // Appends the key of a UTF-8 text to `key`: two texts compare as their keys do (as byte
    // strings, with std::string's comparison). A key ends in a NUL byte and holds no other.
    void appendKey(QByteArrayView utf8, std::string& key) const;

private:
    UCollator* m_collator = nullptr;
    mutable std::u16string m_text = std::u16string(256, u'\0'); // the text as ICU reads it
};

} // namespace quillfen
