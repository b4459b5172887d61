#include "editors/Form4.h"
#include "widgets/WindowScope.h"
#include "image/FormDescriptions.h"

namespace kt913 {

Form4::Form4(RadioModel &model, QWidget *parent) : QWidget(parent), m_model(model)
{
    setObjectName(QStringLiteral("Form4"));
    markAsWindow(this);
    setWindowTitle(debugFormDescription().captionZh);
}

} // namespace kt913
