#include "editors/Form2.h"
#include "widgets/WindowScope.h"
#include "image/FormDescriptions.h"

namespace kt913 {

Form2::Form2(RadioModel &model, QWidget *parent) : QWidget(parent), m_model(model)
{
    setObjectName(QStringLiteral("Form2"));
    markAsWindow(this);
    setWindowTitle(dtmfFormDescription().captionZh);
}

} // namespace kt913
