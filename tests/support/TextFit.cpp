#include "tests/support/TextFit.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTest>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

namespace zibtest {

namespace {

/// Where the line edit draws the middle of its cursor at position pos, in its own coordinates; the field is
/// painted first, since it scrolls its text while painting.
int cursorX(QLineEdit *edit, int pos)
{
    edit->setCursorPosition(pos);
    edit->grab();
    return edit->inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x();
}

QString lineEditCut(QLineEdit *edit)
{
    const QString text = edit->displayText();
    if (text.isEmpty())
        return QString();
    const int keep = edit->cursorPosition();
    const int start = cursorX(edit, 0);
    const int end = cursorX(edit, text.size());
    const int again = cursorX(edit, 0);
    edit->setCursorPosition(keep);
    const int width = edit->fontMetrics().horizontalAdvance(text);
    // Whole: the text spans its full width between the two ends, both inside the field, and
    // showing its end did not scroll its start away.
    if (end - start < width || start < 0 || end > edit->width() || again != start)
        return QStringLiteral("\"%1\" needs %2 px, %3 px shown").arg(text).arg(width).arg(end - start);
    return QString();
}

QString tooSmall(QWidget *w, const QSize &needed, const QString &text)
{
    if (w->width() >= needed.width() && w->height() >= needed.height())
        return QString();
    return QStringLiteral("\"%1\" needs %2x%3, has %4x%5")
        .arg(text)
        .arg(needed.width())
        .arg(needed.height())
        .arg(w->width())
        .arg(w->height());
}

} // namespace

QString whyTextIsCut(QWidget *w)
{
    if (auto *edit = qobject_cast<QLineEdit *>(w))
        return lineEditCut(edit);
    if (auto *label = qobject_cast<QLabel *>(w)) {
        if (label->text().isEmpty())
            return QString();
        if (label->wordWrap()) {
            const int height = label->heightForWidth(label->width());
            return height <= label->height() ? QString()
                                             : QStringLiteral("\"%1\" needs %2 px of height, has %3")
                                                   .arg(label->text())
                                                   .arg(height)
                                                   .arg(label->height());
        }
        return tooSmall(label, label->sizeHint(), label->text());
    }
    if (auto *button = qobject_cast<QAbstractButton *>(w))
        return button->text().isEmpty() ? QString() : tooSmall(button, button->sizeHint(), button->text());
    if (auto *combo = qobject_cast<QComboBox *>(w))
        return tooSmall(combo, combo->sizeHint(), combo->currentText());
    if (auto *spin = qobject_cast<QAbstractSpinBox *>(w))
        return tooSmall(spin, spin->sizeHint(), spin->text());
    if (auto *group = qobject_cast<QGroupBox *>(w))
        return group->title().isEmpty() ? QString()
                                        : tooSmall(group, QSize(group->minimumSizeHint().width(), 0), group->title());
    return QString();
}

QStringList cutTexts(QWidget *root)
{
    QStringList cut;
    QList<QWidget *> widgets = root->findChildren<QWidget *>();
    widgets.prepend(root);
    for (QWidget *w : widgets) {
        if (!w->isVisible())
            continue;
        const QString why = whyTextIsCut(w);
        if (!why.isEmpty())
            cut << QStringLiteral("%1 (%2): %3").arg(w->objectName(), QLatin1String(w->metaObject()->className()), why);
    }
    return cut;
}

QHash<const QWidget *, QRect> geometries(QWidget *root)
{
    QHash<const QWidget *, QRect> all;
    for (QWidget *w : root->findChildren<QWidget *>())
        all.insert(w, QRect(w->mapTo(root, QPoint(0, 0)), w->size()));
    return all;
}

QStringList movedWidgets(const QHash<const QWidget *, QRect> &before, const QHash<const QWidget *, QRect> &after)
{
    QStringList moved;
    for (auto it = before.cbegin(); it != before.cend(); ++it) {
        const QRect now = after.value(it.key());
        if (now != it.value())
            moved << QStringLiteral("%1 (%2)").arg(it.key()->objectName(), QLatin1String(it.key()->metaObject()->className()));
    }
    return moved;
}

void addFontSizeRows()
{
    QTest::addColumn<int>("points");
    for (const int points : {9, 11, 12})
        QTest::addRow("%d pt", points) << points;
}

ApplicationFontSize::ApplicationFontSize(int points) : m_before(QApplication::font())
{
    QFont font = m_before;
    font.setPointSize(points);
    QApplication::setFont(font);
}

ApplicationFontSize::~ApplicationFontSize()
{
    QApplication::setFont(m_before);
}

} // namespace zibtest
