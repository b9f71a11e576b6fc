#include "app/Sequences.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <unistd.h>

// Program folder: 'w' writable, 'r' read-only, 'f' a file rather than a folder;
// results file there: ' ' none, 'w' writable, 'r' read-only. The superuser
// writes anywhere, so only the rows that need no permission check run as root.
TEST(ResultsPathTest, BesideTheProgramWhenItCanBeWrittenElseTheDataFolder)
{
    struct Case {
        char folder, file;
        bool beside, asRoot;
    };
    for (const Case c : {Case{'w', ' ', true, true}, Case{'f', ' ', false, true}, Case{'r', 'w', true, true},
                         Case{'r', ' ', false, false}, Case{'r', 'r', false, false}}) {
        SCOPED_TRACE(std::string(1, c.folder) + c.file);
        if (geteuid() == 0 && !c.asRoot)
            continue;
        QTemporaryDir root;
        const QString program = root.filePath("bin"), data = root.filePath("home/share/fixturo");
        QFile place(c.folder == 'f' ? program : program + "/results.txt");
        ASSERT_TRUE(c.folder == 'f'
                        ? place.open(QIODevice::WriteOnly)
                        : QDir().mkdir(program) && (c.file == ' ' || place.open(QIODevice::WriteOnly)));
        if (c.file == 'r')
            place.setPermissions(QFile::ReadOwner);
        if (c.folder == 'r')
            QFile::setPermissions(program, QFile::ReadOwner | QFile::ExeOwner);
        EXPECT_EQ(fixturo::ChooseResultsPath(program, data), (c.beside ? program : data) + "/results.txt");
        EXPECT_EQ(QDir(data).exists(), !c.beside);
        QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
}
