#include "app/CommandLine.h"

std::string JoinParameters(const QStringList& parameters) {
    std::string joined;
    for (const QString& parameter : parameters) {
        joined += parameter.toLocal8Bit().toStdString();
        joined += ' ';
    }
    while (!joined.empty() && static_cast<unsigned char>(joined.back()) <= ' ') joined.pop_back();
    return joined;
}
