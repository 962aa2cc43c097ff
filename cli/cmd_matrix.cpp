#include "cli/cliargs.h"
#include "cli/commands.h"
#include "cli/profilejson.h"

#include "engine/cnumerologypmatrix.h"

int cmdMatrix(const QStringList &arguments)
{
    CliArgs args(arguments);
    QString error;
    if (!args.parse({QStringLiteral("--birth"), QStringLiteral("--name")}, {}, &error))
        cliFail(error);
    const QDate birth = requiredDate(args, QStringLiteral("--birth"));
    CNumerologyPMatrix matrix;
    if (!matrix.calculate(args.value(QStringLiteral("--name")), birth))
        cliFail(QStringLiteral("psychomatrix could not be computed"));
    QByteArray out;
    JsonWriter json(out);
    writeMatrixJson(json, matrix);
    json.newline();
    cliWrite(out);
    return 0;
}
