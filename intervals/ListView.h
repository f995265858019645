#ifndef LISTVIEW_H
#define LISTVIEW_H

#include <QVector>
#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QPainter;
class QStandardItemModel;

class ListInterv;

/// The interval list on a circle: one octave (1200 cents) is one turn, 0 cents at the top,
/// clockwise. The checked intervals are red ticks, the dialog's current interval a yellow one;
/// "Transposer" shows, in green, where the checked intervals land once transposed by a just
/// interval (5/4, 4/3, 3/2 or 8/5), so that the eye sees which of them stay in the list.
///
/// At least 250 × 250 and square: it grows with its controls' texts, and the circle with it.
class ListView : public QWidget
{
    Q_OBJECT

public:
    explicit ListView(QWidget *parent = nullptr);

    /// What the view draws: the list, and the category tree whose check boxes say which of its
    /// intervals are shown (both owned by the dialog, which calls this again when it replaces
    /// the tree). Null draws nothing.
    void setSource(const ListInterv *liste, const QStandardItemModel *modele);

    /// The transposition chosen under the circle, in cents.
    float transposition() const;

    /// For each position of liste, whether its item of the category tree is checked (category k
    /// row r is position nbCat[0] + … + nbCat[k−1] + r). Intervals without an item are not.
    static QVector<bool> checkedPositions(const ListInterv &liste, const QStandardItemModel *modele);

    /// The name of semitone k (0 … 11) on both views: the natural notes, empty between them.
    static QString noteLabel(int k);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    /// List position of the dialog's current interval; 0 at first.
    int courant = 0;

    QCheckBox *transposeBox = nullptr;
    QComboBox *transpoCombo = nullptr;
    QLabel *titre = nullptr;

    /// The cents of "Tierce pure 5/4", "Quarte 4/3", "Quinte 3/2", "Sixte Min. Juste 8/5".
    static constexpr float transpoCents[4] = {386.314f, 498.045f, 701.955f, 813.686f};

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void drawScale(QPainter &p, double c, double r);
    void drawTransposition(QPainter &p, double c, double r, const QVector<bool> &checked);

    const ListInterv *m_liste = nullptr;
    const QStandardItemModel *m_modele = nullptr;
};

#endif
