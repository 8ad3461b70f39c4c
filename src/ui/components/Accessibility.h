#pragma once

class QWidget;

namespace vantorel {

// Keeps a purely decorative widget out of what assistive technology reads. Call it before the
// widget is first shown: Qt asks for a widget's accessible interface once and keeps it.
void hideFromAccessibility(QWidget* widget);

// Presents a label as an alert, which screen readers announce as soon as it is shown (the sheet's
// error line). Like the above, call it before the label is first shown.
void announceAsAlert(QWidget* label);

} // namespace vantorel
