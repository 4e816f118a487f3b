#include "flow/FlowLayout.h"

#include <algorithm>

#include "flow/MissionFlow.h"

namespace vantorel {

FlowPicture LayOutMissionFlow(const MissionFlow& flow, const std::vector<LayoutSize>& sizes,
                              const LayeredLayoutOptions& options) {
    std::vector<std::pair<int, int>> waiting;
    std::vector<size_t> waitingEdge;
    for (size_t e = 0; e < flow.edges.size(); ++e) {
        if (!EdgeWaits(flow.edges[e])) continue;
        waiting.push_back({flow.edges[e].from, flow.edges[e].to});
        waitingEdge.push_back(e);
    }
    LayeredLayout layout = LayOutLayers(sizes, waiting, options);

    FlowPicture p;
    p.sizes = sizes;
    p.topLeft = std::move(layout.topLeft);
    p.layer = std::move(layout.layer);
    p.width = layout.width;
    p.height = layout.height;
    p.crossings = layout.crossings;
    p.routes.resize(flow.edges.size());
    for (size_t i = 0; i < waitingEdge.size(); ++i)
        p.routes[waitingEdge[i]] = std::move(layout.routes[i]);
    // The lines into a node's left side end spread along it, in the order
    // they come from, so none hides another.
    std::vector<std::vector<size_t>> ending(flow.nodes.size());
    for (size_t e : waitingEdge) {
        const auto& route = p.routes[e];
        const int to = flow.edges[e].to;
        if (route.size() >= 2 && route.back().x == p.topLeft[size_t(to)].x)
            ending[size_t(to)].push_back(e);
    }
    for (size_t v = 0; v < ending.size(); ++v) {
        std::vector<size_t>& in = ending[v];
        if (in.size() < 2) continue;
        std::stable_sort(in.begin(), in.end(), [&](size_t a, size_t b) {
            return p.routes[a][p.routes[a].size() - 2].y < p.routes[b][p.routes[b].size() - 2].y;
        });
        const int m = int(in.size()), h = sizes[v].height;
        for (int k = 0; k < m; ++k)
            p.routes[in[size_t(k)]].back().y = p.topLeft[v].y + h * (k + 1) / (m + 1);
    }
    for (size_t e = 0; e < flow.edges.size(); ++e) {
        if (EdgeWaits(flow.edges[e])) continue;
        const int a = flow.edges[e].from, b = flow.edges[e].to;
        if (p.topLeft.empty() || a == b) continue;
        const LayoutPoint at = p.topLeft[size_t(a)], bt = p.topLeft[size_t(b)];
        const int ay = at.y + sizes[size_t(a)].height / 2, by = bt.y + sizes[size_t(b)].height / 2;
        // From the side that faces the other node.
        if (bt.x > at.x)
            p.routes[e] = {{at.x + sizes[size_t(a)].width, ay}, {bt.x, by}};
        else if (bt.x < at.x)
            p.routes[e] = {{at.x, ay}, {bt.x + sizes[size_t(b)].width, by}};
        else
            p.routes[e] = {{at.x + sizes[size_t(a)].width, ay},
                           {bt.x + sizes[size_t(b)].width, by}};
    }
    return p;
}

int FlowNodeAt(const FlowPicture& picture, int x, int y) {
    for (size_t v = 0; v < picture.topLeft.size(); ++v) {
        const LayoutPoint t = picture.topLeft[v];
        if (x >= t.x && y >= t.y && x < t.x + picture.sizes[v].width &&
            y < t.y + picture.sizes[v].height)
            return int(v);
    }
    return -1;
}

}  // namespace vantorel
