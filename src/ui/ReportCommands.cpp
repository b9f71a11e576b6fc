#include "ui/ReportCommands.h"

#include "report/PageExport.h"
#include "report/ResultsCsv.h"
#include "ui/Message.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QScreen>

namespace fixturo {

void reportFileError(QWidget *parent, const QString &what, const QString &path, const QString &reason)
{
    showMessage(parent, QMessageBox::Critical, QStringLiteral("Fixturo"),
                what.arg(QDir::toNativeSeparators(path)), QMessageBox::Ok, reason);
}

void printWithPreview(QWidget *parent, const Championship &championship)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setDocName(QStringLiteral("Fixturo"));
    // The preview draws the page; its print button asks for the printer, then
    // the page is drawn once more, for it (a PDF file written whole).
    QPrintPreviewDialog preview(&printer, parent);
    preview.setWindowTitle(QCoreApplication::translate("ReportCommands", "Print Preview"));
    preview.resize(parent->screen()->availableGeometry().size() * 3 / 4);
    bool printed = false;
    QString error;
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&](QPrinter *target) { printed = printChampionship(*target, championship, &error); });
    // Accepted once the page went to the printer.
    if (preview.exec() != QDialog::Accepted || printed)
        return;
    if (printer.outputFileName().isEmpty())
        showMessage(parent, QMessageBox::Critical, QStringLiteral("Fixturo"),
                    QCoreApplication::translate("ReportCommands", "The championship could not be printed."),
                    QMessageBox::Ok, error);
    else // printed to a PDF file
        reportFileError(
            parent,
            QCoreApplication::translate("ReportCommands", "The championship could not be printed to %1."),
            printer.outputFileName(), error);
}

void exportPageAs(QWidget *parent, const Championship &championship)
{
    const QString pdf = QCoreApplication::translate("ReportCommands", "PDF document (*.pdf)");
    const QString png = QCoreApplication::translate("ReportCommands", "PNG picture (*.png)");
    const QString svg = QCoreApplication::translate("ReportCommands", "SVG drawing (*.svg)");
    QString filter = pdf;
    QString path =
        QFileDialog::getSaveFileName(parent, QCoreApplication::translate("ReportCommands", "Export"),
                                     QDir::home().filePath(QStringLiteral("fixturo.pdf")),
                                     QStringList{pdf, png, svg}.join(QLatin1String(";;")), &filter);
    if (path.isEmpty())
        return;
    // A name typed without an extension takes the one of the chosen type.
    if (QFileInfo(path).suffix().isEmpty())
        path += filter == png   ? QStringLiteral(".png")
                : filter == svg ? QStringLiteral(".svg")
                                : QStringLiteral(".pdf");
    QString error;
    if (!exportChampionship(championship, path, &error))
        reportFileError(
            parent,
            QCoreApplication::translate("ReportCommands", "The championship could not be exported to %1."),
            path, error);
}

void exportCsvAs(QWidget *parent, const Championship &championship)
{
    const QString path = QFileDialog::getSaveFileName(
        parent, QCoreApplication::translate("ReportCommands", "Export Results as CSV"),
        QDir::home().filePath(QStringLiteral("results.csv")),
        QCoreApplication::translate("ReportCommands", "CSV file (*.csv)"));
    if (path.isEmpty())
        return;
    QString error;
    if (!exportResultsCsv(championship, path, &error))
        reportFileError(
            parent, QCoreApplication::translate("ReportCommands", "The results could not be exported to %1."),
            path, error);
}

} // namespace fixturo
