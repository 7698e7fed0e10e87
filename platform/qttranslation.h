#pragma once

class QCoreApplication;
class QTranslator;

// Qt's own texts (the buttons of message boxes, the file, colour and print dialogs) in Polish,
// whatever language the session is set to: the programs speak Polish only. Loads qtbase_pl.qm from
// Qt's translations folder and installs it; returns the translator, owned by `app`, or null when the
// file is not there (the dialogs then speak English).
QTranslator* installPolishQtTranslation(QCoreApplication& app);
