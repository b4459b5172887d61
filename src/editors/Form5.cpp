#include "editors/Form5.h"
#include "widgets/WindowScope.h"
#include "image/FormDescriptions.h"

namespace kt913 {

Form5::Form5(RadioModel &model, QWidget *parent) : QWidget(parent), m_model(model)
{
    setObjectName(QStringLiteral("Form5"));
    markAsWindow(this);
    setWindowTitle(fmFormDescription().captionZh);
}

} // namespace kt913
