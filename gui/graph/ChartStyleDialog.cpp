#include "graph/ChartStyleDialog.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "AppState.h"
#include "core/CommandGuard.h"
#include "core/DialogKeys.h"
#include "core/FormControls.h"
#include "core/FormScale.h"
#include "core/QtText.h"
#include "core/RadioGroup.h"

namespace corv {

namespace {

QRadioButton* Named(RadioGroup* group, int i, const char* name) {
    QRadioButton* b = group->Button(i);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

}  // namespace

TfrmChartStyle::TfrmChartStyle(AppState& state, UiPort& ui, int c, QWidget* parent)
    : QDialog(parent), m_state(state), m_ui(ui), m_channel(c) {
    const FormScale s =
        StartForm(this, QStringLiteral("frmChartStyle"), QStringLiteral("Chart Style"), 316, 224);

    gboScale =
        new RadioGroup(this, s, QStringLiteral("gboScale"), QStringLiteral("Scale"),
                       {QStringLiteral("&Normal"), QStringLiteral("&Inverted")}, 8, 8, 120, 66);
    rboNormal = Named(gboScale, 0, "rboNormal");
    rboInverted = Named(gboScale, 1, "rboInverted");
    gboStyle = new RadioGroup(
        this, s, QStringLiteral("gboStyle"), QStringLiteral("Style"),
        {QStringLiteral("&Solid line"), QStringLiteral("&Vert. bars"), QStringLiteral("&Dots")}, 8,
        82, 120, 86);
    rboSolid = Named(gboStyle, 0, "rboSolid");
    rboBars = Named(gboStyle, 1, "rboBars");
    rboDots = Named(gboStyle, 2, "rboDots");
    gboCaption = new RadioGroup(
        this, s, QStringLiteral("gboCaption"), QStringLiteral("Caption"),
        {QStringLiteral("Invisibl&e"), QStringLiteral("At &top"), QStringLiteral("At &bottom")},
        136, 8, 172, 160);
    rboInvisible = Named(gboCaption, 0, "rboInvisible");
    rboTop = Named(gboCaption, 1, "rboTop");
    rboBottom = Named(gboCaption, 2, "rboBottom");
    edtCaption = MakeEdit(gboCaption, s, QStringLiteral("edtCaption"), {}, 8, 86, 156);

    btnOK = MakeButton(this, s, QStringLiteral("btnOK"), QStringLiteral("OK"), 56, 184, 75, 25);
    btnCancel = MakeButton(this, s, QStringLiteral("btnCancel"), QStringLiteral("Cancel"), 184, 184,
                           75, 25);
    WireOkCancel(this, btnOK, btnCancel, [this] { btnOKClick(); });

    Fill(ChartStyleOf(state, c));
}

void TfrmChartStyle::Fill(const ChartStyleChoice& choice) {
    gboScale->SetItemIndex(choice.direction);
    gboStyle->SetItemIndex(choice.figure);
    gboCaption->SetItemIndex(choice.captionPos);
    edtCaption->setText(ToQ(choice.caption));
}

void TfrmChartStyle::btnOKClick() {
    ChartStyleChoice choice;
    choice.direction = gboScale->ItemIndex();
    choice.figure = gboStyle->ItemIndex();
    choice.captionPos = gboCaption->ItemIndex();
    choice.caption = ToStd(edtCaption->text());
    if (RunGuarded(m_ui, [&] { ApplyChartStyle(m_state, m_channel, choice); })) accept();
}

ViewDialogResult ShowChartStyleDialog(AppState& state, UiPort& ui, QWidget* parent) {
    TfrmChartStyle dialog(state, ui, state.ActiveChannel, parent);
    CentreOnScreen(&dialog);
    dialog.exec();
    return {kRedrawAfterChartStyle, false};
}

}  // namespace corv
