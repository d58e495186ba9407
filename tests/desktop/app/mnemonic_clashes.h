#pragma once

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QStringList>

#include <map>

// Mnemonics that two entries share: among the menu titles, and among the
// items of each menu ("P&ort / &Program: P"). Entries without one are left out.
inline QStringList MnemonicClashes(const QList<QAction*>& entries, const QString& where)
{
    QStringList clashes;
    std::map<int, QString> taken;
    for (const QAction* entry : entries) {
        const QKeySequence key = QKeySequence::mnemonic(entry->text().section(u'\t', 0, 0));
        if (key.isEmpty())
            continue;
        const auto [at, added] = taken.emplace(key[0].toCombined(), entry->text());
        if (!added)
            clashes << QStringLiteral("%1: %2 / %3").arg(where, at->second, entry->text());
    }
    return clashes;
}

inline QStringList MnemonicClashes(const QMenuBar& bar)
{
    QStringList clashes = MnemonicClashes(bar.actions(), QStringLiteral("menu bar"));
    for (const QAction* title : bar.actions()) {
        if (title->menu())
            clashes << MnemonicClashes(title->menu()->actions(), title->text());
    }
    return clashes;
}
