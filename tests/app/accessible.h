#pragma once

// What a screen reader hears in a window: names and descriptions that still carry accelerator
// marks, and controls it could not name.

#include "app/translation.h"

#include <QAccessible>
#include <QStringList>
#include <QTranslator>
#include <QWidget>
#include <functional>
#include <string>

namespace qel::testing {

// Calls see on every valid node of the accessibility tree under iface.
inline void walk(QAccessibleInterface* iface, const std::function<void(QAccessibleInterface*)>& see,
                 int depth = 0) {
    if (!iface || !iface->isValid() || depth > 40) return;
    see(iface);
    for (int i = 0; i < iface->childCount(); ++i)
        walk(iface->child(i), see, depth + 1);
}

// One line per name or description that still has an "&" in the window's tree.
inline std::string marksIn(QWidget* window) {
    QStringList found;
    walk(QAccessible::queryAccessibleInterface(window), [&](QAccessibleInterface* i) {
        const QString name = i->text(QAccessible::Name);
        const QString description = i->text(QAccessible::Description);
        if (name.contains(u'&') || description.contains(u'&'))
            found << QStringLiteral("%1 '%2' / '%3'").arg(int(i->role())).arg(name, description);
    });
    return found.join(u'\n').toStdString();
}

// Controls a person works with that a screen reader could not name.
inline std::string unnamedIn(QWidget* window) {
    static const QList<QAccessible::Role> kControls = {
        QAccessible::PushButton, QAccessible::CheckBox, QAccessible::RadioButton,
        QAccessible::SpinBox,    QAccessible::ComboBox, QAccessible::EditableText,
        QAccessible::List,       QAccessible::Table,    QAccessible::ButtonMenu};
    QStringList found;
    walk(QAccessible::queryAccessibleInterface(window), [&](QAccessibleInterface* i) {
        if (kControls.contains(i->role()) && !i->state().invisible &&
            i->text(QAccessible::Name).trimmed().isEmpty())
            found << QStringLiteral("role %1 in '%2'")
                         .arg(int(i->role()))
                         .arg(i->parent() ? i->parent()->text(QAccessible::Name) : QString());
    });
    return found.join(u'\n').toStdString();
}

// Qt's French catalogue while a test runs, when it is installed.
struct FrenchQt {
    QObject owner;
    QTranslator* translator = installQtTranslation(&owner, qtTranslationsFolder());
};

} // namespace qel::testing
