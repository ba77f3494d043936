#include "htmlpage/form3.h"

Form3::Form3(AppContext& ctx, QWidget* parent) : QWidget(parent, Qt::Window), m_ctx(ctx)
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Pagina anteprima lista (Html)"));
    setFixedSize(617, 531);
}

