#include "platform/qt_dialog_host.h"

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

QStringList qtNameFilters(const std::string& filters) {
    const QStringList parts = QString::fromStdString(filters).split(QLatin1Char('|'));
    QStringList qtFilters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        // Qt reads the patterns from the last parentheses; the dialog shows
        // the description alone.
        qtFilters.append(parts[i] + QStringLiteral(" (") + patterns + QLatin1Char(')'));
    }
    return qtFilters;
}

void QtDialogHost::showMessage(const std::string& text) {
    QMessageBox box(QMessageBox::Warning, kProgramTitle, QString::fromStdString(text), QMessageBox::Ok, owner_);
    box.exec();
}

bool QtDialogHost::askYesNo(const std::string& text) {
    QMessageBox box(QMessageBox::Warning, kProgramTitle, QString::fromStdString(text),
                    QMessageBox::Yes | QMessageBox::No, owner_);
    return box.exec() == QMessageBox::Yes;
}

std::optional<std::string> QtDialogHost::chooseFile(const std::string& title, const std::string& filters) {
    const QStringList nameFilters = qtNameFilters(filters);
    QString selected = nameFilters.value(0);
    const QString file = QFileDialog::getOpenFileName(owner_, QString::fromStdString(title), QString(),
                                                      nameFilters.join(QStringLiteral(";;")), &selected,
                                                      QFileDialog::HideNameFilterDetails);
    if (file.isEmpty()) return std::nullopt;
    return file.toStdString();
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
