#include "format/animationscale.h"

#include <QRegularExpression>
#include <QtGlobal>
#include <cmath>

double AnimationScale::parse(const std::optional<QString> &value)
{
    // QString::toDouble forgives surrounding spaces; the value must not have any.
    static const QRegularExpression decimal(
        QStringLiteral(R"(\A[+-]?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)?\z)"));
    if (!value || !decimal.match(*value).hasMatch())
        return 1;
    bool ok = false;
    const double factor = value->toDouble(&ok);
    // A negative duration has no meaning; an overflow is not a number either.
    if (!ok || !std::isfinite(factor) || factor < 0)
        return 1;
    return factor;
}

double AnimationScale::fromEnvironment()
{
    static const double factor = [] {
        if (!qEnvironmentVariableIsSet(variable))
            return parse(std::nullopt);
        return parse(qEnvironmentVariable(variable));
    }();
    return factor;
}
