#ifndef ZIBTEST_TEXTFIT_H
#define ZIBTEST_TEXTFIT_H

// Whether a window's texts are shown whole, and whether its controls stay where they are.

#include <QFont>
#include <QHash>
#include <QRect>
#include <QStringList>

class QWidget;

namespace zibtest {

/// Why the text of w is not shown whole, or an empty string when it is (or w shows no text).
/// Line edits: the text from its first to its last character lies inside the field without
/// scrolling (read from where the field itself puts its cursor). Labels, buttons, check and radio
/// boxes, combo boxes and spin boxes: at least as large as their own size hint, which is what they
/// need to show their text (a combo box its longest entry, a spin box its widest value); a label
/// that wraps: tall enough for its text at its width. Group boxes: wide enough for their title.
QString whyTextIsCut(QWidget *w);

/// "name (class): why" for every visible widget under root (root included) whose text is cut.
QStringList cutTexts(QWidget *root);

/// The geometry, in root's coordinates, of every widget under root.
QHash<const QWidget *, QRect> geometries(QWidget *root);

/// The widgets whose geometry differs between two readings of geometries(), by name.
QStringList movedWidgets(const QHash<const QWidget *, QRect> &before, const QHash<const QWidget *, QRect> &after);

/// The rows of a test run at the application font sizes users have: column "points", 9, 11 and
/// 12 points.
void addFontSizeRows();

/// The application font at a size in points while it lives; the font before it afterwards.
class ApplicationFontSize
{
public:
    explicit ApplicationFontSize(int points);
    ~ApplicationFontSize();
    ApplicationFontSize(const ApplicationFontSize &) = delete;
    ApplicationFontSize &operator=(const ApplicationFontSize &) = delete;

private:
    QFont m_before;
};

} // namespace zibtest

#endif
