#pragma once
// Small synthetic recordings for the beak analysis tests: a beak channel and a depth-like
// type channel at 100 ms, built from a closed-beak level and smooth openings.

#include <cmath>
#include <vector>

#include "GraphTestSupport.h"
#include "core/AnalysisKind.h"
#include "core/Checked.h"

namespace corv::test {

struct BeakRecording {
    std::vector<double> beak, type;

    explicit BeakRecording(int samples, double level = 0)
        : beak(static_cast<size_t>(samples), level), type(static_cast<size_t>(samples), 0) {}

    // A half-sine opening of `width` samples from index `at`.
    BeakRecording& Opening(int at, int width, double amplitude) {
        for (int k = 0; k < width; ++k)
            beak[static_cast<size_t>(at + k)] += amplitude * std::sin(M_PI * (k + 0.5) / width);
        return *this;
    }
    // `count` openings every `every` samples.
    BeakRecording& Bout(int at, int count, int every, int width, double amplitude) {
        for (int n = 0; n < count; ++n) Opening(at + n * every, width, amplitude);
        return *this;
    }
    BeakRecording& Depth(int from, int to, double depth) {
        for (int i = from; i < to; ++i) type[static_cast<size_t>(i)] = depth;
        return *this;
    }

    // Loads both channels (values to 0.001) at 100 ms, cursors on the first second.
    void LoadInto(GraphState& g) const {
        LoadValues(g, kBeakChannel, beak);
        LoadValues(g, kTypeChannel, type);
        g->settings.CommSampInterval = 1;
        g->view.LeftCursor = 0;
        g->view.RightCursor = 1000;
        g->view.RightBorder = 10000;
    }

    static void LoadValues(GraphState& g, int c, const std::vector<double>& values) {
        std::vector<uint16_t> raws;
        for (double v : values) raws.push_back(Round<uint16_t>((v + 10) * 1000));
        ChannelRecord& r = g.Load(c, raws, 100);
        r.CoeffA = 0.001;
        r.CoeffB = -10;
    }
};

}  // namespace corv::test
