// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#include "figures.h"

#include "statistics.h"

#include <QByteArray>

#include <cstdio>

namespace bench {

void printFigure(const std::string& row, const std::string& name, double value)
{
    std::printf("figure %s %s %.6g\n", row.c_str(), name.c_str(), value);
    std::fflush(stdout);
}

void printAnimationFigures(const std::string& row, const FrameRun& unpaced, const FrameRun& paced)
{
    printFigure(row, "frame_cpu_ms", median(unpaced.frameCpuMs));
    printFigure(row, "frame_wall_ms", median(unpaced.frameWallMs));
    printFigure(row, "frames", unpaced.frames());
    printFigure(row, "frames_per_second", unpaced.framesPerSecond());
    printFigure(row, "paced_rate", paced.framesPerSecond());
    printFigure(row, "paced_core_percent", 100 * paced.coreShare());
    printFigure(row, "paced_server_percent", 100 * paced.serverShare());
}

void chooseOffscreenByDefault()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

} // namespace bench
