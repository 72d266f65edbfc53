#include "dialog/qt_dialog_host.h"

#include <QApplication>
#include <QColorDialog>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QUrl>

namespace skyfolio {
namespace {

const QString kProgramTitle = QStringLiteral("Skyfolio");

}  // namespace

void QtDialogHost::showMessage(const std::string& text) {
    QMessageBox box(QMessageBox::Warning, kProgramTitle, QString::fromStdString(text), QMessageBox::Ok, owner_);
    box.exec();
}

bool QtDialogHost::askYesNo(const std::string& text) {
    QMessageBox box(QMessageBox::Warning, kProgramTitle, QString::fromStdString(text),
                    QMessageBox::Yes | QMessageBox::No, owner_);
    return box.exec() == QMessageBox::Yes;
}

std::optional<std::string> QtDialogHost::chooseFile(const std::string& title, const std::vector<std::string>& filters,
                                                    int selected) {
    QStringList nameFilters;
    for (const std::string& filter : filters) nameFilters.append(QString::fromStdString(filter));
    QString chosenFilter = nameFilters.value(selected);
    const QString file = QFileDialog::getOpenFileName(owner_, QString::fromStdString(title), QString(),
                                                      nameFilters.join(QStringLiteral(";;")), &chosenFilter);
    if (file.isEmpty()) return std::nullopt;
    return file.toStdString();
}

std::optional<std::string> QtDialogHost::chooseFolder(const std::string& title) {
    const QString folder = QFileDialog::getExistingDirectory(owner_, QString::fromStdString(title));
    if (folder.isEmpty()) return std::nullopt;
    return folder.toStdString();
}

std::optional<QColor> QtDialogHost::chooseColour(QColor current) {
    const QColor chosen = QColorDialog::getColor(current, owner_);
    if (!chosen.isValid()) return std::nullopt;
    return chosen;
}

bool QtDialogHost::OpenWebPage(const std::string& address) {
    return QDesktopServices::openUrl(QUrl(QString::fromStdString(address)));
}

void QtDialogHost::endProgram() {
    QApplication::closeAllWindows();
    QCoreApplication::exit(0);
}

}  // namespace skyfolio
