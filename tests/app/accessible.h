#pragma once

// What a screen reader hears in a window: names and descriptions that still carry accelerator
// marks, and controls it could not name.

#include "app/translation.h"

#include <QAccessible>
#include <QStringList>
#include <QTranslator>
#include <QWidget>
#include <algorithm>
#include <string>

namespace qel::testing {

// Every name and description with an "&" under iface, as "role 'name' / 'description'".
inline void collectMarks(QAccessibleInterface* iface, QStringList& found, int depth = 0) {
    if (!iface || !iface->isValid() || depth > 40) return;
    const QString name = iface->text(QAccessible::Name);
    const QString description = iface->text(QAccessible::Description);
    if (name.contains(u'&') || description.contains(u'&'))
        found << QStringLiteral("%1 '%2' / '%3'").arg(int(iface->role())).arg(name, description);
    for (int i = 0; i < iface->childCount(); ++i)
        collectMarks(iface->child(i), found, depth + 1);
}

// One line per name or description that still has a mark in the window's accessibility tree.
inline std::string marksIn(QWidget* window) {
    QStringList found;
    collectMarks(QAccessible::queryAccessibleInterface(window), found);
    return found.join(u'\n').toStdString();
}

// Controls a person works with that a screen reader could not name.
inline void collectUnnamed(QAccessibleInterface* iface, QStringList& found, int depth = 0) {
    if (!iface || !iface->isValid() || depth > 40) return;
    static const QAccessible::Role kControls[] = {
        QAccessible::PushButton, QAccessible::CheckBox, QAccessible::RadioButton,
        QAccessible::SpinBox,    QAccessible::ComboBox, QAccessible::EditableText,
        QAccessible::List,       QAccessible::Table,    QAccessible::ButtonMenu};
    const bool control =
        std::find(std::begin(kControls), std::end(kControls), iface->role()) != std::end(kControls);
    if (control && !iface->state().invisible && iface->text(QAccessible::Name).trimmed().isEmpty())
        found << QStringLiteral("role %1 in '%2'")
                     .arg(int(iface->role()))
                     .arg(iface->parent() ? iface->parent()->text(QAccessible::Name) : QString());
    for (int i = 0; i < iface->childCount(); ++i)
        collectUnnamed(iface->child(i), found, depth + 1);
}

inline std::string unnamedIn(QWidget* window) {
    QStringList found;
    collectUnnamed(QAccessible::queryAccessibleInterface(window), found);
    return found.join(u'\n').toStdString();
}

// Qt's French catalogue while a test runs, when it is installed.
struct FrenchQt {
    QObject owner;
    QTranslator* translator = installQtTranslation(&owner, qtTranslationsFolder());
};

} // namespace qel::testing
