#include "ui/pages/AddLocationSheet.h"

#include "app/AppModel.h"
#include "ui/components/Palette.h"

namespace vantorel {

AddLocationSheet::AddLocationSheet(AppModel& model, QWidget* parent) : QDialog(parent), m_model(model) {
    setObjectName(QStringLiteral("addLocationSheet"));
    setWindowTitle(tr("Add Location"));
    setAccessibleName(tr("Add Location"));
    setFixedWidth(sheetWidth);
    setMinimumHeight(200);
    QPalette colors = palette();
    colors.setColor(QPalette::Window, Palette::background.color());
    setPalette(colors);
    setAutoFillBackground(true);
}

} // namespace vantorel
