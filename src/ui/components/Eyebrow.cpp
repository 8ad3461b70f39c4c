#include "ui/components/Eyebrow.h"

#include "ui/components/Fonts.h"
#include "ui/components/Palette.h"

namespace vantorel {

Eyebrow::Eyebrow(const QString& text, QWidget* parent) : TextLabel(text, parent) {
    setFont(Fonts::tracked(Fonts::system(9, QFont::DemiBold), 1.8));
    setColor(Palette::violet.color());
    setWrapping(false);
}

} // namespace vantorel
