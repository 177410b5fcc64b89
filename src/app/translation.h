#pragma once

#include <QString>

class QObject;
class QTranslator;

namespace qel {

// Qt's own texts (file, colour and print dialogs, standard buttons) in French, from Qt's
// "qtbase_fr" catalogue. Installs it into the application and gives it to owner, so that it
// is removed when owner goes. Answers nullptr, and changes nothing, when the catalogue is not
// in folder: the program then runs with Qt's English texts.
QTranslator* installQtTranslation(QObject* owner, const QString& folder);

// Qt's translations folder.
QString qtTranslationsFolder();

} // namespace qel
