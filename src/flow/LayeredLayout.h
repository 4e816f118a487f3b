#pragma once

#include <utility>
#include <vector>

namespace vantorel {

struct LayoutSize {
    int width = 0;
    int height = 0;
    // How many pairs of lines cross between neighbouring layers.
    long long crossings = 0;
};

struct LayoutPoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const LayoutPoint&, const LayoutPoint&) = default;
};

struct LayeredLayoutOptions {
    int layerGap = 56;  // between the widest node of a layer and the next layer
    int nodeGap = 14;   // between nodes of a layer, one above the other
    int lineGap = 6;    // between lines that pass through a layer
    int margin = 16;
    int sweeps = 4;  // passes of crossing reduction, down and up in turn
};

struct LayeredLayout {
    std::vector<int> layer;            // per node, from 0 on the left
    std::vector<LayoutPoint> topLeft;  // per node
    // Per edge, the line from the right side of `from` to the left side of
    // `to`, through the layers between them; an edge that goes back (round a
    // circle) runs from the left side of `from` to the right side of `to`.
    std::vector<std::vector<LayoutPoint>> routes;
    int width = 0;
    int height = 0;
    // How many pairs of lines cross between neighbouring layers.
    long long crossings = 0;
};

// Lays a directed graph out left to right in layers: each node stands after
// everything that has an edge to it (edges that close a circle are turned
// round for this), in as few layers as that allows; lines through the
// layers between are shared by the edges of one node; the order within the
// layers is chosen to cross few edges and the heights to keep lines
// straight. Integer arithmetic and a fixed order of work throughout, so the
// same graph has the same layout on every machine and build.
LayeredLayout LayOutLayers(const std::vector<LayoutSize>& sizes,
                           const std::vector<std::pair<int, int>>& edges,
                           const LayeredLayoutOptions& options = {});

}  // namespace vantorel
