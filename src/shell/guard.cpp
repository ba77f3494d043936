#include "shell/guard.h"

#include "core/prompts.h"

void reportError(AppContext& ctx, QWidget* owner, const QString& message)
{
    QString text = message;
    if (!text.endsWith(QLatin1Char('.')))
        text += QLatin1Char('.');
    if (ctx.prompts)
        ctx.prompts->error(owner, text, ctx.applicationTitle);
}
