#include "windows/main/arvelo_calc_dlg.h"

#include "app/unit_conversion.h"
#include "app/user_messages.h"
#include "data/text_format.h"
#include "windows/main/curve_windows.h"
#include "windows/main/main_window_ids.h"
#include "plot/presetting_curve_svg.h"

using namespace MainWindowId;

namespace {

constexpr int kTextPresettingCurve = 112;
constexpr int kTextCurveNotDrawable = 119;

} // namespace

void CArveloCalcDlg::onDoubleClick(int controlId)
{
    if (controlId == kValvePicture)
        showPresettingCurve();
}

// Only a valve the last calculation chose has a curve and a point on it;
// an empty picture, or a view that sets no presetting, shows nothing.
void CArveloCalcDlg::showPresettingCurve()
{
    if (controls()[kValvePicture].imageId == -1)
        return;
    const std::optional<PresettingCurve> curve = presettingCurve(state_, db_, state_.valveView);
    if (!curve)
        return;
    if (!curveIsDrawable(*curve)) {
        services_.messages.showMessage(text(kTextCurveNotDrawable));
        return;
    }
    const std::u16string caption =
        text(kTextPresettingCurve) + u" – " + utf8ToUtf16(curve->model + " " + curve->nominalSize);
    services_.curves.showCurve(caption, presettingCurveSvg(*curve, state_.languageIndex, flowUnitLabel(state_)));
}
