#include "host/Printable.h"

namespace host {

QString printable(const QString& inText) {
    QString text;
    text.reserve(inText.size());
    for (const QChar c : inText) {
        if (c.category() == QChar::Other_Control) {
            text += QString::asprintf("\\x%02x", static_cast<unsigned>(c.unicode()));
        } else {
            text += c;
        }
    }
    return text;
}

} // namespace host
