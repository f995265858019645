#ifndef INTERVDLG_H
#define INTERVDLG_H

#include "intervals/IntervDlgUi.h"
#include "intervals/Interval.h"
#include "intervals/ListInterv.h"
#include "intervals/ListWalk.h"

#include <QDialog>
#include <QModelIndex>
#include <QTimer>

#include <functional>

class QDomDocument;
class QMessageBox;
class QStandardItem;
class QStandardItemModel;
class QTreeView;

class AudioPlay;
class MainWindow;

/// The interval list editor: the list as a tree of eight size categories beside its circle, a
/// ruler across the top, the ".int" file, the playback of the checked intervals down the tree and
/// back up, and the justness of an interval transposed by a just one.
///
/// It reads the duration, Frequency 1, the decimal ratio, the waveform, the model and the sample
/// rate of the main window when it plays, and makes a played interval the main window's current
/// one. Closing it (Fermer, the title bar, Escape) asks first when the list was modified, then
/// stops the playback, empties the list and hides the dialog.
class IntervDlg : public QDialog
{
    Q_OBJECT

public:
    /// A dialog on an empty list; "Ajouter", "Supprimer", "Jouer Liste" and "Mélodie" disabled.
    /// mainWindow (not owned) must outlive it.
    IntervDlg(MainWindow *mainWindow, QWidget *parent = nullptr);
    ~IntervDlg() override;

    /// Reads the ".int" file at path into the dialog: the file label, title, author, description,
    /// a new list and its tree. False, after its warning, when the file is missing, unreadable or
    /// not an interval list; the list and the fields are then as they were. A wrong "number" is
    /// reported in a non-modal box and the intervals read are kept.
    bool loadDom(const QString &path);

    /// Rebuilds the category tree from the list: eight categories of the current scheme, each
    /// with its intervals, all checked.
    void constrListDeg();

    /// The list position of a tree item; −1 for a category or an invalid index. Enables
    /// "Supprimer".
    int modelIndtoDeg(const QModelIndex &index);

    /// Enables "Mélodie", "Jouer Liste" and "Ajouter" when the list is not empty.
    void setplayEnabled();

    /// The justness of interval p transposed by t cents against the list (see Justesse.h).
    float calcEcartJustesse(int p, float t) const;

    const ListInterv &liste() const { return m_liste; }
    QTreeView *treeView() const { return m_ui.treeView; }
    /// The text of the interval field (cents), as the main window writes it.
    void setIntervalText(const QString &text);

    /// Asks the user for a file name; empty when cancelled. The arguments are the parent window,
    /// the caption, the starting directory and the filter, as for QFileDialog.
    using FilePrompt = std::function<QString(QWidget *, const QString &, const QString &, const QString &)>;
    void setSavePrompt(FilePrompt prompt) { m_savePrompt = std::move(prompt); }
    void setOpenPrompt(FilePrompt prompt) { m_openPrompt = std::move(prompt); }

    /// Closing asks first when the list was modified; a cancelled question keeps it open.
    void done(int r) override;

public slots:
    bool createDom(QDomDocument *doc);
    void updateHead(QDomDocument *doc);
    void intervToDom(const Interval &interval, QDomDocument *doc);
    void loadFile();
    void setBornes();
    void reloadModel();
    /// True when the list was written.
    bool choixFichInterv();
    /// True when the file was written; otherwise the "Erreur" box has said why.
    bool writeToXMLFile(const QString &path);
    void newInterv();
    void addInterv(Interval *interval);
    void fermer();
    void removeInterv();
    void remInterv(int p);
    void editInterv(QStandardItem *item);
    void newlist();
    void clignotLabel4();
    void jouerListe();
    void sonSuivant();
    void choixInterv(const QModelIndex &index);
    void sonStop();
    int message(const QString &str);
    void updCheckState(QStandardItem *item);
    void playPhraseDlg();
    void expAll(int state);
    void traitEcartJustesse();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    /// Two vertical marks at abscissa x, below and above the ruler's bar, in the painter's pen.
    void fleche(int x, QPainter *painter);
    void drawRuler(QPainter &p);
    /// Asks whether to close a modified list; false when the dialog must stay.
    bool confirmClose();
    /// The tree index of a row of the walk (see ListWalk::treeRows).
    QModelIndex indexOfRow(int row) const;
    /// The step of the playback, ms: the main window's duration rounded, halves up.
    int stepMs() const;
    /// Stops the playback: the step timer, the pending stop and the tone.
    void stopPlayback();
    /// Stops and forgets the tone, if any.
    void releaseTone();
    /// Starts a tone of f Hz; false, with the playback stopped and a message, when it cannot.
    bool startTone(float f);
    void currentChanged(const QModelIndex &current);
    int warn(const QString &title, const QString &text);

    MainWindow *m_main;
    IntervDlgUi m_ui;
    ListInterv m_liste;
    QStandardItemModel *m_modele = nullptr;
    int m_bornes[ListInterv::kNbCategories];
    bool m_modifie = false;
    QTimer m_timerClignot;
    QTimer m_timerSon;
    /// The stop of the last tone, one second after the playback came back to the top.
    QTimer m_timerArret;
    AudioPlay *m_son = nullptr;
    /// The playback's row in the tree and its direction.
    ListWalk m_walk{{}, -1};
    QMessageBox *m_msgBox = nullptr;
    /// True while a category passes its state to its children.
    bool m_cascading = false;
    FilePrompt m_savePrompt;
    FilePrompt m_openPrompt;
};

#endif
