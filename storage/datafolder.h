#pragma once

#include <QString>

namespace storage {

inline const QString InvestFileName = QStringLiteral("PlumblineData");
inline const QString HistFileName = QStringLiteral("PlDataHist.txt");
inline const QString PageFileName = QStringLiteral("PlDHTemp.txt");
inline const QString TempDataFileName = QStringLiteral("TempData.txt");
inline const QString TempHistFileName = QStringLiteral("TempHist.txt");
inline const QString SuccesFileName = QStringLiteral("SuccesToHist.txt");
inline const QString RecsDisplayedFileName = QStringLiteral("RecsDisplayed.txt");

// The program folder: "C:\Program Files\Plumbline 3.5" on Windows, elsewhere
// "Plumbline 3.5" in the generic data location ($XDG_DATA_HOME). Tests and
// tools may point it elsewhere.
QString programFolder();
void setProgramFolder(const QString &path); // empty restores the default
// Full path of a file of the program folder.
QString programFile(const QString &name);
// Creates the folder when it is missing; false when that fails.
bool ensureProgramFolder();

} // namespace storage
