#include "host/Printable.h"

#include <QCoreApplication>
#include <QTextBoundaryFinder>

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

QString quoted(const QString& inText, qsizetype inMost) {
    // Cut between characters as a person sees them, never inside one.
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, inText);
    qsizetype count = 0;
    while (finder.toNextBoundary() > 0) {
        if (++count == inMost && finder.position() < inText.size()) {
            return printable(inText.first(finder.position())) + QChar(0x2026);
        }
    }
    return printable(inText);
}

QString sentence(const QString& inClause, bool inCapital) {
    if (inClause.isEmpty()) {
        return inClause;
    }
    //: A clause as a sentence of its own: its full stop, in the language's writing.
    return QCoreApplication::translate("Sentence", "%1.")
        .arg(inCapital ? inClause.front().toUpper() + inClause.mid(1) : inClause);
}

} // namespace host
