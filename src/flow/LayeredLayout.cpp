#include "flow/LayeredLayout.h"

#include <algorithm>
#include <cstdint>

namespace vantorel {

namespace {

constexpr int kLargeGraph = 16384;  // nodes and points of lines

int64_t FloorDiv(int64_t a, int64_t b) {
    const int64_t q = a / b;
    return (a % b != 0 && ((a < 0) != (b < 0))) ? q - 1 : q;
}

// Lists of lists in two flat arrays: the items of list i are
// items[start[i] .. start[i + 1]).
struct Lists {
    std::vector<int> start, items;

    // From (list, item) pairs sorted by list.
    static Lists FromSorted(int count, const std::vector<std::pair<int, int>>& pairs, bool second) {
        Lists l;
        l.start.assign(size_t(count) + 1, 0);
        for (const auto& p : pairs) ++l.start[size_t(second ? p.second : p.first) + 1];
        for (size_t i = 1; i < l.start.size(); ++i) l.start[i] += l.start[i - 1];
        l.items.resize(pairs.size());
        std::vector<int> fill(l.start.begin(), l.start.end() - 1);
        for (const auto& p : pairs) {
            const int list = second ? p.second : p.first;
            l.items[size_t(fill[size_t(list)]++)] = second ? p.first : p.second;
        }
        return l;
    }
    const int* begin(int i) const { return items.data() + start[size_t(i)]; }
    const int* end(int i) const { return items.data() + start[size_t(i) + 1]; }
    int size(int i) const { return start[size_t(i) + 1] - start[size_t(i)]; }
};

// The graph the layers are made of: the real nodes, then the points where
// lines pass through a layer, each joined only to the layer before and after.
struct Virtual {
    std::vector<int> layer, height;
    Lists preds, succs;
    std::vector<int> layerStart;  // the nodes of layer l, in order: order[layerStart[l] ..]
    std::vector<int> order;
    std::vector<int> pos;  // place of each node in its layer

    int Add(int l, int h) {
        layer.push_back(l);
        height.push_back(h);
        return int(layer.size()) - 1;
    }
    int LayerCount() const { return int(layerStart.size()) - 1; }
    int* LayerBegin(int l) { return order.data() + layerStart[size_t(l)]; }
    int LayerSize(int l) const { return layerStart[size_t(l) + 1] - layerStart[size_t(l)]; }
};

// Edges to turn round so that none closes a circle: those that lead back to
// a node the depth-first walk (in node order) is still inside.
std::vector<bool> BackEdges(int n, const std::vector<std::pair<int, int>>& edges) {
    std::vector<std::vector<int>> out(static_cast<size_t>(n));
    for (size_t e = 0; e < edges.size(); ++e)
        if (edges[e].first != edges[e].second) out[size_t(edges[e].first)].push_back(int(e));
    std::vector<char> state(size_t(n), 0);  // 0 not seen, 1 being walked, 2 done
    std::vector<bool> back(edges.size(), false);
    std::vector<std::pair<int, size_t>> stack;
    for (int root = 0; root < n; ++root) {
        if (state[size_t(root)]) continue;
        state[size_t(root)] = 1;
        stack.push_back({root, 0});
        while (!stack.empty()) {
            auto& [v, next] = stack.back();
            if (next == out[size_t(v)].size()) {
                state[size_t(v)] = 2;
                stack.pop_back();
                continue;
            }
            const int e = out[size_t(v)][next++];
            const int w = edges[size_t(e)].second;
            if (state[size_t(w)] == 1) {
                back[size_t(e)] = true;
            } else if (state[size_t(w)] == 0) {
                state[size_t(w)] = 1;
                stack.push_back({w, 0});
            }
        }
    }
    return back;
}

// Each node as far left as the nodes before it allow.
std::vector<int> LongestPathLayers(int n, const std::vector<std::pair<int, int>>& dag) {
    std::vector<std::vector<int>> out(static_cast<size_t>(n));
    std::vector<int> waiting(size_t(n), 0), layer(size_t(n), 0);
    for (const auto& [u, v] : dag) {
        out[size_t(u)].push_back(v);
        ++waiting[size_t(v)];
    }
    std::vector<int> queue;
    for (int v = 0; v < n; ++v)
        if (waiting[size_t(v)] == 0) queue.push_back(v);
    for (size_t head = 0; head < queue.size(); ++head) {
        const int u = queue[head];
        for (int v : out[size_t(u)]) {
            layer[size_t(v)] = std::max(layer[size_t(v)], layer[size_t(u)] + 1);
            if (--waiting[size_t(v)] == 0) queue.push_back(v);
        }
    }
    return layer;
}

// Pairs of lines between neighbouring layers whose ends come in the other
// order, counted with a Fenwick tree over the places in the next layer.
long long Crossings(Virtual& g, std::vector<int>& tree) {
    long long total = 0;
    for (int l = 0; l + 1 < g.LayerCount(); ++l) {
        const size_t size = size_t(g.LayerSize(l + 1));
        tree.assign(size + 1, 0);
        long long seen = 0;
        const int* nodes = g.LayerBegin(l);
        for (int i = 0; i < g.LayerSize(l); ++i) {
            const int a = nodes[i];
            // A node's own lines share their start: they do not cross.
            for (const int* b = g.succs.begin(a); b != g.succs.end(a); ++b) {
                long long notAfter = 0;
                for (size_t k = size_t(g.pos[size_t(*b)]) + 1; k > 0; k -= k & (~k + 1))
                    notAfter += tree[k];
                total += seen - notAfter;
            }
            for (const int* b = g.succs.begin(a); b != g.succs.end(a); ++b) {
                for (size_t k = size_t(g.pos[size_t(*b)]) + 1; k <= size; k += k & (~k + 1))
                    ++tree[k];
                ++seen;
            }
        }
    }
    return total;
}

// Orders layer l by the mean place of each node's neighbours in the layer
// before (or after); nodes without any there keep their places.
struct Keyed {
    int64_t key;  // the mean place, in 1/65536
    int pos;
    int node;
};
void SortByNeighbours(Virtual& g, int l, bool byPreds, std::vector<Keyed>& movable) {
    const Lists& near = byPreds ? g.preds : g.succs;
    int* nodes = g.LayerBegin(l);
    const int size = g.LayerSize(l);
    movable.clear();
    for (int i = 0; i < size; ++i) {
        const int v = nodes[i];
        if (near.size(v) == 0) continue;
        int64_t sum = 0;
        for (const int* w = near.begin(v); w != near.end(v); ++w) sum += g.pos[size_t(*w)];
        movable.push_back({sum * 65536 / near.size(v), i, v});
    }
    std::sort(movable.begin(), movable.end(), [](const Keyed& a, const Keyed& b) {
        return a.key != b.key ? a.key < b.key : a.pos < b.pos;
    });
    size_t next = 0;
    for (int i = 0; i < size; ++i)
        if (near.size(nodes[i]) != 0) nodes[i] = movable[next++].node;
    for (int i = 0; i < size; ++i) g.pos[size_t(nodes[i])] = i;
}

// Tops as near as the order and the gaps allow to the wished ones, in the
// least squares sense (pooling adjacent violators).
struct Block {
    int64_t sum, count;
    int first;
};
void FitTops(const int* nodes, int size, const std::vector<int64_t>& wished,
             const std::vector<int64_t>& offset, std::vector<Block>& blocks,
             std::vector<int>& top) {
    blocks.clear();
    for (int i = 0; i < size; ++i) {
        blocks.push_back({wished[size_t(i)] - offset[size_t(i)], 1, i});
        while (blocks.size() > 1) {
            const Block& b = blocks.back();
            const Block& a = blocks[blocks.size() - 2];
            if (a.sum * b.count <= b.sum * a.count) break;
            const Block merged{a.sum + b.sum, a.count + b.count, a.first};
            blocks.pop_back();
            blocks.back() = merged;
        }
    }
    for (size_t k = 0; k < blocks.size(); ++k) {
        const int end = k + 1 < blocks.size() ? blocks[k + 1].first : size;
        const int64_t z = FloorDiv(blocks[k].sum, blocks[k].count);
        for (int i = blocks[k].first; i < end; ++i)
            top[size_t(nodes[i])] = int(z + offset[size_t(i)]);
    }
}

}  // namespace

LayeredLayout LayOutLayers(const std::vector<LayoutSize>& sizes,
                           const std::vector<std::pair<int, int>>& edges,
                           const LayeredLayoutOptions& opt) {
    const int n = int(sizes.size());
    LayeredLayout out;
    out.routes.resize(edges.size());
    if (n == 0) return out;

    const std::vector<bool> back = BackEdges(n, edges);
    std::vector<std::pair<int, int>> dag;
    for (size_t e = 0; e < edges.size(); ++e) {
        const auto [a, b] = edges[e];
        if (a == b) continue;
        dag.push_back(back[e] ? std::pair{b, a} : std::pair{a, b});
    }
    out.layer = LongestPathLayers(n, dag);

    Virtual g;
    for (int v = 0; v < n; ++v) g.Add(out.layer[size_t(v)], sizes[size_t(v)].height);
    // One line through the layers for all the long edges of a node.
    std::vector<int> chainStart(size_t(n), -1), reach(size_t(n), 0);
    for (const auto& [u, v] : dag)
        reach[size_t(u)] = std::max(reach[size_t(u)], out.layer[size_t(v)]);
    std::vector<std::pair<int, int>> links;
    for (int u = 0; u < n; ++u) {
        const int from = out.layer[size_t(u)];
        if (reach[size_t(u)] <= from + 1) continue;
        int previous = u;
        for (int l = from + 1; l < reach[size_t(u)]; ++l) {
            const int d = g.Add(l, 0);
            if (chainStart[size_t(u)] < 0) chainStart[size_t(u)] = d;
            links.push_back({previous, d});
            previous = d;
        }
    }
    const auto through = [&](int u, int l) {
        return chainStart[size_t(u)] + (l - out.layer[size_t(u)] - 1);
    };
    for (const auto& [u, v] : dag) {
        const int lu = out.layer[size_t(u)], lv = out.layer[size_t(v)];
        links.push_back({lv == lu + 1 ? u : through(u, lv - 1), v});
    }
    std::sort(links.begin(), links.end());
    links.erase(std::unique(links.begin(), links.end()), links.end());
    const int vn = int(g.layer.size());
    g.succs = Lists::FromSorted(vn, links, false);
    g.preds = Lists::FromSorted(vn, links, true);

    // The layers, each in the order the nodes were made.
    const int layerCount = 1 + *std::max_element(g.layer.begin(), g.layer.end());
    g.layerStart.assign(size_t(layerCount) + 1, 0);
    for (int v = 0; v < vn; ++v) ++g.layerStart[size_t(g.layer[size_t(v)]) + 1];
    for (size_t l = 1; l < g.layerStart.size(); ++l) g.layerStart[l] += g.layerStart[l - 1];
    g.order.resize(size_t(vn));
    g.pos.resize(size_t(vn));
    {
        std::vector<int> fill(g.layerStart.begin(), g.layerStart.end() - 1);
        for (int v = 0; v < vn; ++v) {
            const int l = g.layer[size_t(v)];
            g.pos[size_t(v)] = fill[size_t(l)] - g.layerStart[size_t(l)];
            g.order[size_t(fill[size_t(l)]++)] = v;
        }
    }

    // A very large graph (the fullest missions put some 26,000 points in
    // 200 layers) gets half the passes, so that the window keeps up with
    // the edits; the order of work stays fixed by the graph alone.
    const bool large = vn > kLargeGraph;
    const int sweeps = large ? std::min(opt.sweeps, 2) : opt.sweeps;
    const int rounds = large ? 1 : 2;

    // Crossing reduction: sweeps down and up, keeping the best order seen.
    std::vector<int> tree;
    std::vector<Keyed> keyed;
    std::vector<int> best = g.order;
    long long fewest = Crossings(g, tree);
    for (int sweep = 0; sweep < sweeps && fewest > 0; ++sweep) {
        if (sweep % 2 == 0)
            for (int l = 1; l < layerCount; ++l) SortByNeighbours(g, l, true, keyed);
        else
            for (int l = layerCount - 2; l >= 0; --l) SortByNeighbours(g, l, false, keyed);
        if (const long long c = Crossings(g, tree); c < fewest) {
            fewest = c;
            best = g.order;
        }
    }
    g.order = best;
    for (int l = 0; l < layerCount; ++l)
        for (int i = 0; i < g.LayerSize(l); ++i) g.pos[size_t(g.LayerBegin(l)[i])] = i;
    out.crossings = fewest;

    // Heights: stacked, then moved toward their neighbours, down and up.
    std::vector<int> top(size_t(vn), 0);
    std::vector<int64_t> offsetOf(size_t(vn), 0);  // the stacked top, gaps included
    for (int l = 0; l < layerCount; ++l) {
        const int* nodes = g.LayerBegin(l);
        int64_t y = 0;
        for (int i = 0; i < g.LayerSize(l); ++i) {
            if (i > 0) {
                y += g.height[size_t(nodes[i - 1])];
                y += (nodes[i] < n || nodes[i - 1] < n) ? opt.nodeGap : opt.lineGap;
            }
            offsetOf[size_t(nodes[i])] = y;
            top[size_t(nodes[i])] = int(y);
        }
    }
    std::vector<int64_t> wished, offset;
    std::vector<Block> blocks;
    const auto place = [&](int l, bool byPreds) {
        const Lists& near = byPreds ? g.preds : g.succs;
        const int* nodes = g.LayerBegin(l);
        const int size = g.LayerSize(l);
        wished.resize(size_t(size));
        offset.resize(size_t(size));
        for (int i = 0; i < size; ++i) {
            const int v = nodes[i];
            offset[size_t(i)] = offsetOf[size_t(v)];
            if (near.size(v) == 0) {
                wished[size_t(i)] = top[size_t(v)];
                continue;
            }
            int64_t sum = 0;  // of twice the centres
            for (const int* w = near.begin(v); w != near.end(v); ++w)
                sum += 2 * int64_t(top[size_t(*w)]) + g.height[size_t(*w)];
            wished[size_t(i)] = FloorDiv(FloorDiv(sum, near.size(v)) - g.height[size_t(v)], 2);
        }
        FitTops(nodes, size, wished, offset, blocks, top);
    };
    for (int round = 0; round < rounds; ++round) {
        for (int l = 1; l < layerCount; ++l) place(l, true);
        for (int l = layerCount - 2; l >= 0; --l) place(l, false);
    }
    const int lowest = *std::min_element(top.begin(), top.end());
    int bottom = 0;
    for (int v = 0; v < vn; ++v) {
        top[size_t(v)] += opt.margin - lowest;
        bottom = std::max(bottom, top[size_t(v)] + g.height[size_t(v)]);
    }

    std::vector<int> columnWidth(size_t(layerCount), 0), columnX(size_t(layerCount), opt.margin);
    for (int v = 0; v < n; ++v)
        columnWidth[size_t(out.layer[size_t(v)])] =
            std::max(columnWidth[size_t(out.layer[size_t(v)])], sizes[size_t(v)].width);
    for (int l = 1; l < layerCount; ++l)
        columnX[size_t(l)] = columnX[size_t(l) - 1] + columnWidth[size_t(l) - 1] + opt.layerGap;
    out.topLeft.resize(size_t(n));
    for (int v = 0; v < n; ++v) {
        const int l = out.layer[size_t(v)];
        out.topLeft[size_t(v)] = {
            columnX[size_t(l)] + (columnWidth[size_t(l)] - sizes[size_t(v)].width) / 2,
            top[size_t(v)]};
    }
    out.width = columnX.back() + columnWidth.back() + opt.margin;
    out.height = bottom + opt.margin;

    const auto right = [&](int v) {
        return LayoutPoint{out.topLeft[size_t(v)].x + sizes[size_t(v)].width,
                           out.topLeft[size_t(v)].y + sizes[size_t(v)].height / 2};
    };
    const auto left = [&](int v) {
        return LayoutPoint{out.topLeft[size_t(v)].x,
                           out.topLeft[size_t(v)].y + sizes[size_t(v)].height / 2};
    };
    for (size_t e = 0; e < edges.size(); ++e) {
        auto [a, b] = edges[e];
        std::vector<LayoutPoint>& route = out.routes[e];
        if (a == b) {
            // A small loop over the node's right top corner.
            const LayoutPoint r = right(a);
            const LayoutPoint t{out.topLeft[size_t(a)].x + sizes[size_t(a)].width * 3 / 4,
                                out.topLeft[size_t(a)].y};
            route = {r, {r.x + 12, r.y}, {r.x + 12, t.y - 10}, {t.x, t.y - 10}, t};
            continue;
        }
        if (back[e]) std::swap(a, b);
        route.reserve(size_t(2 * (out.layer[size_t(b)] - out.layer[size_t(a)])));
        route.push_back(right(a));
        for (int l = out.layer[size_t(a)] + 1; l < out.layer[size_t(b)]; ++l) {
            const int y = top[size_t(through(a, l))];
            route.push_back({columnX[size_t(l)], y});
            route.push_back({columnX[size_t(l)] + columnWidth[size_t(l)], y});
        }
        route.push_back(left(b));
        if (back[e]) std::reverse(route.begin(), route.end());
    }
    return out;
}

}  // namespace vantorel
