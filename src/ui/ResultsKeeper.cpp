#include "ui/ResultsKeeper.h"

#include "storage/FileIo.h"
#include "storage/ResultsFile.h"
#include "ui/Message.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPushButton>
#include <QTimer>

namespace fixturo {

ResultsKeeper::ResultsKeeper(QWidget *window, QString path)
    : m_window(window), m_path(std::move(path)), m_askSavePath([](QWidget *owner, const QString &current) {
          return QFileDialog::getSaveFileName(owner, tr("Save the Results As"), current,
                                              tr("Text files (*.txt);;All files (*)"));
      })
{
}

Snapshot ResultsKeeper::snapshot(const Championship &championship) const
{
    // After a failed save the file lacks what the window shows: putting its
    // bytes back later would lose results, so the snapshot keeps none.
    return {championship, m_fileCurrent ? readWholeFile(m_path) : std::nullopt};
}

bool ResultsKeeper::fileHolds(const Championship &championship) const
{
    Championship onDisk = championship;
    return QFileInfo::exists(m_path) && loadResultsFile(onDisk, m_path) &&
           resultsLine(onDisk) == resultsLine(championship);
}

bool ResultsKeeper::trySave(const Championship &championship, QString *reason)
{
    if (const QString refused = refusal(); !refused.isEmpty()) {
        *reason = refused;
        return false;
    }
    return saveResultsFile(championship, m_path, reason);
}

void ResultsKeeper::save(const Championship &championship)
{
    QString reason;
    // A file that already holds the state needs no save (a read-only file
    // that nothing has changed).
    m_fileCurrent = trySave(championship, &reason) || fileHolds(championship);
    if (m_fileCurrent) {
        m_saveFailureShown = false;
        return;
    }
    // Told once while saves keep failing, not at every refresh.
    if (m_saveFailureShown)
        return;
    m_saveFailureShown = true;
    showMessage(
        m_window, QMessageBox::Critical, QStringLiteral("Fixturo"),
        tr("The results could not be saved to %1.\n%2").arg(QDir::toNativeSeparators(m_path), reason));
}

void ResultsKeeper::restore(const Snapshot &snapshot)
{
    // The exact bytes the file held; without them (there was no file), a save.
    if (!refusal().isEmpty() || !snapshot.file || !writeFileAtomically(m_path, *snapshot.file))
        save(snapshot.championship);
}

bool ResultsKeeper::saveAs(const Championship &championship)
{
    const QString path = m_askSavePath(m_window, m_path);
    if (path.isEmpty())
        return false;
    QString reason;
    if (!saveResultsFile(championship, path, &reason)) {
        showMessage(m_window, QMessageBox::Critical, QStringLiteral("Fixturo"),
                    tr("The results could not be saved to %1.").arg(QDir::toNativeSeparators(path)),
                    QMessageBox::Ok, reason);
        return false;
    }
    if (path == m_refusedPath) // written over by choice
        m_refusedPath.clear();
    usePath(path);
    return true;
}

void ResultsKeeper::usePath(const QString &path)
{
    m_path = path;
    m_fileCurrent = true;
    m_saveFailureShown = false;
}

void ResultsKeeper::keepUnreadableFile()
{
    const QString shown = QDir::toNativeSeparators(m_path);
    const QString copy = freeBackupPath(m_path);
    QString reason;
    QString text;
    const std::optional<QByteArray> held = readWholeFile(m_path, &reason);
    if (held && writeFileAtomically(copy, *held, &reason)) {
        text = tr("The results file %1 could not be read whole. A copy of it as it was is kept "
                  "in %2.")
                   .arg(shown, QDir::toNativeSeparators(copy));
    } else {
        // What the file holds is not written over without a copy.
        m_refusedPath = m_path;
        m_saveRefusal =
            tr("%1 could not be read whole, and no copy of it could be kept: %2").arg(shown, reason);
        text = tr("The results file %1 could not be read whole, and no copy of it could be "
                  "kept, so it will not be written over.")
                   .arg(shown);
    }
    // Told once, over the window, when it is shown.
    QTimer::singleShot(0, m_window, [window = m_window, text, reason] {
        showMessage(window, QMessageBox::Warning, QStringLiteral("Fixturo"), text, QMessageBox::Ok, reason);
    });
}

bool ResultsKeeper::mayQuit(const Championship &championship)
{
    QString reason;
    // Nothing is asked when the file already holds what the window shows.
    while (!trySave(championship, &reason) && !fileHolds(championship)) {
        QMessageBox box(QMessageBox::Warning, QStringLiteral("Fixturo"),
                        tr("The latest results are not saved: they could not be written to "
                           "%1.\n%2\n\nTry again, save them to another file, or quit without "
                           "saving?")
                            .arg(QDir::toNativeSeparators(m_path), reason),
                        QMessageBox::Retry | QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel,
                        m_window);
        box.setTextFormat(Qt::PlainText);
        box.button(QMessageBox::Retry)->setText(tr("Try Again"));
        box.button(QMessageBox::Save)->setText(tr("Save As…"));
        box.button(QMessageBox::Discard)->setText(tr("Quit Without Saving"));
        box.setDefaultButton(QMessageBox::Retry);
        box.setEscapeButton(QMessageBox::Cancel);
        switch (showMessage(box)) {
        case QMessageBox::Retry:
            break;
        case QMessageBox::Save:
            // The file chosen is used for the rest of the run.
            if (const QString path = m_askSavePath(m_window, m_path); !path.isEmpty()) {
                m_path = path;
                m_refusedPath.clear();
            }
            break;
        case QMessageBox::Discard:
            return true;
        default:
            return false; // back to the window
        }
    }
    m_saveFailureShown = false;
    return true;
}

} // namespace fixturo
