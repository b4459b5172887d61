#include "editors/Form3.h"
#include "widgets/WindowScope.h"
#include "image/FormDescriptions.h"

namespace kt913 {

Form3::Form3(RadioModel &model, QWidget *parent) : QWidget(parent), m_model(model)
{
    setObjectName(QStringLiteral("Form3"));
    markAsWindow(this);
    setWindowTitle(optionsFormDescription().captionZh);
}

} // namespace kt913
