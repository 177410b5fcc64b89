#include "platform/mnemonic.h"

namespace qel {

namespace {

// Walks the caption mark by mark; keepMark decides for each single "&" whether it stays.
template <typename KeepMark> QString rewriteMarks(const QString& caption, KeepMark keepMark) {
    QString out;
    out.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        const QChar c = caption.at(i);
        if (c != u'&') {
            out += c;
            continue;
        }
        if (i + 1 < caption.size() && caption.at(i + 1) == u'&') {
            out += keepMark(true) ? QStringLiteral("&&") : QStringLiteral("&");
            ++i;
            continue;
        }
        if (keepMark(false)) out += c;
    }
    return out;
}

} // namespace

QString withoutMnemonics(const QString& caption) {
    return rewriteMarks(caption, [](bool) { return false; });
}

QString withFirstMnemonicOnly(const QString& caption) {
    bool seen = false;
    return rewriteMarks(caption, [&seen](bool doubled) {
        if (doubled) return true;
        const bool keep = !seen;
        seen = true;
        return keep;
    });
}

} // namespace qel
