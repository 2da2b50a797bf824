#pragma once
// Builders for the controls of the forms, placed at design positions (FormScale) with
// their object names, captions and hints.

#include <QString>

class QDialog;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace corv {

class FormScale;

// Names and titles a form and gives the scale of its font; a design size above 0 fixes the
// form's size.
FormScale StartForm(QDialog* form, const QString& name, const QString& title, int width = 0,
                    int height = 0);

// A label as high as an edit of the same row, its text centred vertically.
QLabel* MakeLabel(QWidget* parent, const FormScale& s, const QString& name, const QString& text,
                  int left, int top, int width, const QString& hint = {});

QLineEdit* MakeEdit(QWidget* parent, const FormScale& s, const QString& name, const QString& text,
                    int left, int top, int width, const QString& hint = {});

QPushButton* MakeButton(QWidget* parent, const FormScale& s, const QString& name,
                        const QString& caption, int left, int top, int width, int height,
                        const QString& hint = {});

// Moves a window to the middle of the screen it is on (the primary screen before it is
// shown). A window larger than the screen's free area is first made to fit it: its
// controls move into a scrolling area (large fonts and 2x scaling make fixed forms large).
void CentreOnScreen(QWidget* w);

// The height of an edit in the running font; rows of controls use it.
int EditHeight();

}  // namespace corv
