#pragma once

#include "ui/EditHistory.h"

#include <QCoreApplication>
#include <QString>

#include <functional>

class QWidget;

namespace fixturo {

// Keeps the results file safe: every save goes through here, a failed save
// is told once, a file that could not be read whole is copied before anything
// is written over it (or, when no copy can be made, never written over), and
// at exit the user decides what happens to results that could not be saved.
class ResultsKeeper {
    Q_DECLARE_TR_FUNCTIONS(ResultsKeeper)

public:
    // Messages are shown over `window`.
    ResultsKeeper(QWidget *window, QString path);

    // The results file in use: the one given, until another is chosen
    // (usePath, saveAs, or "Save As…" at exit) for the rest of the run.
    const QString &path() const { return m_path; }

    // Asks where to save the results ("Save Results As…", and at exit when
    // the results file cannot be written); an empty answer saves nowhere. A
    // file dialog unless replaced.
    using SavePathQuestion = std::function<QString(QWidget *parent, const QString &current)>;
    void setSavePathQuestion(SavePathQuestion ask) { m_askSavePath = std::move(ask); }

    // The state and the file's bytes as they are now; no bytes after a failed
    // save, so that putting the snapshot back saves its state instead.
    Snapshot snapshot(const Championship &championship) const;

    // Writes the results file; the first failure after a success is told.
    void save(const Championship &championship);
    // Writes the results file, or says why it could not.
    bool trySave(const Championship &championship, QString *reason);
    // Puts back the file's bytes of a snapshot (a save when it has none).
    void restore(const Snapshot &snapshot);

    // "Save Results As…": asks for a file and saves the results there; once
    // they are written, that file is the one in use. A failure is told, with
    // its reason, and the file in use stays. False when nothing was saved.
    bool saveAs(const Championship &championship);
    // The results are kept in `path` from now on (a results file opened, or
    // an undo back to the file used before it). It is taken to hold the
    // latest results; a file that must not be written over stays so.
    void usePath(const QString &path);

    // The results file could not be read whole: a copy is kept beside it
    // before anything is saved over it; the user is told once.
    void keepUnreadableFile();
    // The file was replaced whole (a download): it may be written again.
    void fileReplaced()
    {
        m_refusedPath.clear();
        m_fileCurrent = true;
    }

    // At exit with the latest results not on disk: whether to quit.
    bool mayQuit(const Championship &championship);

private:
    QWidget *m_window;
    QString m_path;
    SavePathQuestion m_askSavePath;
    QString m_refusedPath; // a file that must not be written over, if any
    QString m_saveRefusal; // why it must not
    bool m_saveFailureShown = false;
    bool m_fileCurrent = true; // the file holds the state last saved or loaded

    // Why the file in use must not be written, or an empty text.
    QString refusal() const { return m_path == m_refusedPath ? m_saveRefusal : QString(); }
    // Whether the file on disk holds the same results as `championship`.
    bool fileHolds(const Championship &championship) const;
};

} // namespace fixturo
