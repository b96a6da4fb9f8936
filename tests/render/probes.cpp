#include "tests/render/probes.h"

#include <cstdlib>

std::string FailedProbes(const std::vector<Probe>& probes, const std::string& frame, int tolerance) {
    std::string failed;
    for (const Probe& p : probes) {
        int matching = 0;
        for (int y = p.y; y < p.y + p.h; ++y)
            for (int x = p.x; x < p.x + p.w; ++x) {
                const unsigned char* seen = reinterpret_cast<const unsigned char*>(&frame.at(3 * (640 * y + x)));
                matching += std::abs(seen[0] - p.colour.r) <= tolerance && std::abs(seen[1] - p.colour.g) <= tolerance &&
                            std::abs(seen[2] - p.colour.b) <= tolerance;
            }
        if (matching < (p.anyPixel ? 1 : p.w * p.h))
            failed += std::string(p.what) + " at (" + std::to_string(p.x) + ", " + std::to_string(p.y) +
                      "): " + std::to_string(matching) + " pixels of " + std::to_string(p.w * p.h) + "\n";
    }
    return failed;
}
