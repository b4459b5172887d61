#include "editors/Form1.h"
#include "widgets/WindowScope.h"
#include "widgets/Twips.h"

namespace kt913 {

Form1::Form1(RadioModel &model, QWidget *parent) : QWidget(parent), m_model(model)
{
    setObjectName(QStringLiteral("Form1"));
    markAsWindow(this);
    setWindowTitle(QStringLiteral("信道编辑"));
    resize(twips(12000), twips(9000));
}

void Form1::commitPendingEdit()
{
    // No in-cell editor yet: nothing can be pending.
}

} // namespace kt913
