#include "HeadlessPlatform.h"

#include "annotations/AnnotationTypes.h"

platform::MessageAnswer HeadlessPlatform::showMessage(const platform::MessageRequest &request)
{
    QString line = request.text;
    line.replace(QLatin1String("\r\n"), QLatin1String(" "));
    line.replace(QLatin1Char('\r'), QLatin1Char(' '));
    line.replace(QLatin1Char('\n'), QLatin1Char(' '));
    m_messages << line;
    switch (request.buttons) {
    case platform::MessageButtons::YesNo: return platform::MessageAnswer::No;
    case platform::MessageButtons::SaveDiscardCancel: return platform::MessageAnswer::Cancel;
    case platform::MessageButtons::Ok: break;
    }
    return platform::MessageAnswer::Ok;
}

platform::ScreenInfo HeadlessPlatform::currentScreen() const
{
    return {QString(), QRect(), {ScreenPixelsPerMm, ScreenPixelsPerMm}};
}
