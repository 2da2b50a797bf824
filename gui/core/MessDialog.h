#pragma once
// The three-button question dialog: a read-only memo with the question and the buttons
// OK (result 1), Cancel (result 2, also Esc and the close box) and an optional third
// button (result 7). Callers set the captions, add the lines and run it once.

#include <QDialog>
#include <QString>

class QPlainTextEdit;
class QPushButton;

namespace corv {

class TfrmMessDialog : public QDialog {
    Q_OBJECT
  public:
    static constexpr int kResultOk = 1;
    static constexpr int kResultCancel = 2;
    static constexpr int kResultAux = 7;

    explicit TfrmMessDialog(QWidget* parent = nullptr);

    // Adds one line of the question.
    void AddLine(const QString& line);
    // Shows the dialog modally; returns 1, 2 or 7.
    int Run();

    QPushButton* btnOK;
    QPushButton* btnCancel;
    QPushButton* btnAux;
    QPlainTextEdit* Memo1;

  public slots:
    void reject() override;

  protected:
    void showEvent(QShowEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

  private:
    void StretchMemo();
};

}  // namespace corv
