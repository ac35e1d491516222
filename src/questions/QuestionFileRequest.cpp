#include "questions/QuestionFileRequest.h"

namespace QuestionFile {

OpenFileRequest openRequest()
{
    OpenFileRequest request;
    request.title = QStringLiteral("ファイルを開く");
    request.filters = {{QStringLiteral("Tazuneﾃﾞｰﾀﾌｧｲﾙ(*.DAT)"), QStringLiteral("*.DAT")},
                       {QStringLiteral("すべてのﾌｧｲﾙ(*.*)"), QStringLiteral("*.*")}};
    request.mustExist = true;
    return request;
}

} // namespace QuestionFile
