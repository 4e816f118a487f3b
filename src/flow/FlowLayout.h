#pragma once

#include <vector>

#include "flow/LayeredLayout.h"

namespace vantorel {

struct MissionFlow;

// The flow as a picture: every node where LayOutLayers puts it (each after
// what it waits for), the lines of the edges that wait through the layers,
// and the order targets, which wait for nothing, as straight lines.
struct FlowPicture {
    std::vector<LayoutSize> sizes;                 // per node, as given
    std::vector<LayoutPoint> topLeft;              // per node
    std::vector<int> layer;                        // per node
    std::vector<std::vector<LayoutPoint>> routes;  // per edge of the flow
    int width = 0;
    int height = 0;
    long long crossings = 0;
};

// `sizes` holds the size of each node's box, which the window measures with
// its font.
FlowPicture LayOutMissionFlow(const MissionFlow& flow, const std::vector<LayoutSize>& sizes,
                              const LayeredLayoutOptions& options = {});

// The node whose box holds the point, or -1.
int FlowNodeAt(const FlowPicture& picture, int x, int y);

}  // namespace vantorel
