#ifndef WORKINGFOLDER_H
#define WORKINGFOLDER_H

#include <QCoreApplication>
#include <QString>
#include <QStringList>

/// Where the program works. It finds its pictures, help page, catalogues, interval lists, models,
/// melodies and sounds relative to its working directory, and its file dialogs start there.
///
/// - Started in a folder that holds its data (the build's run folder, or any copy of it), it works
///   there.
/// - Installed (the data in <prefix>/share/zib beside <prefix>/bin/zib, by default) and started anywhere else,
///   from the desktop's menu in the user's home for example, it works in the user's own folder, the
///   XDG data location of the application (~/.local/share/zib): prepared on every start with
///   writable sounds/, melodies/, interval_lists/ and synth_param/ that receive a copy of each shipped
///   file the user does not already have (a user's file of the same name is never overwritten), and
///   with figures/, doc/ and the catalogues linked to the installed, read-only data.
/// - Otherwise, from a run folder started elsewhere, it works beside the program.
class WorkingFolder
{
    Q_DECLARE_TR_FUNCTIONS(WorkingFolder)

public:
    /// The folders the user writes into, filled with the shipped files.
    static const QStringList &userFolders();
    /// The read-only data linked from the installed tree.
    static const QStringList &sharedEntries();

    /// True when folder holds the program's data: its pictures (figures/diapason_tn.png).
    static bool holdsData(const QString &folder);

    /// The installed data of a program in programFolder: programFolder/dataFromProgram (for the
    /// installation rules, ../share/zib), when it holds the data; empty otherwise. Relative to the
    /// program, so that the installed tree can move.
    static QString installedData(const QString &programFolder, const QString &dataFromProgram);

    /// Prepares userFolder from the installed data (see the class). False, with a description of
    /// the first failure in *error, when a folder cannot be made or a file cannot be copied; what
    /// could be prepared stays.
    static bool prepare(const QString &userFolder, const QString &installed, QString *error);

    /// The folder to work in: the current one when it holds the data; else the prepared user
    /// folder of an installed program; else programFolder when it holds the data; else the current
    /// folder. *error receives a failure of the preparation (the user folder is used all the same).
    static QString choose(const QString &current, const QString &programFolder, const QString &dataFromProgram,
                          const QString &userFolder, QString *error);
};

#endif
