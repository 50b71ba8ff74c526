#pragma once

#include "bioancestoroccurrences.h"
#include "biopedigree.h"
#include "biosubpedigree.h"

#include <QVector>

#include <new>
#include <vector>

// The ancestry walks, written once over the id-indexed tables they run on: the
// plain tables the parent index's callers pass in, or the stamped tables an
// inbreeding calculator keeps from one call to the next.
//
// A numbering answers IndexOf(id) (-1 for an id not met yet) and Assign(id, index).
// Marks answer InSet(id), Colour(id), SetColour(id, colour), SetPosition(id,
// position) and Position(id) for ids in the set.

// Counting every path doubles the work with each generation, so a walk that counts
// them stops here whatever it is asked, also when a loop would lead it round for ever.
constexpr int kBioMaxPathGenerations = 24;

// Collects the ancestors of a pairing within `limit` generations (negative: all)
// in the order a depth-first walk of every path, sire lines first, meets them.
// With occurrences every path is walked and counted. Without them an ancestor met
// again no nearer than before is not followed further: everything above it was
// met the first time, so the ancestors and their order come out the same, and a
// loop cannot keep the walk going. False when memory runs out.
template <class Numbering>
bool BioWalkAncestors(const CBioPedigree &pedigree, int limit, int sireId, int damId, Numbering &numbering,
                      QVector<CBioAncestorOccurrences> *occurrences, QVector<int> *ids)
{
    struct Step
    {
        int id;
        int generation;
    };
    const bool everyPath = occurrences != nullptr;
    if (everyPath && (limit < 0 || limit > kBioMaxPathGenerations))
        limit = kBioMaxPathGenerations;
    const qsizetype firstOccurrence = everyPath ? occurrences->size() : 0;
    try {
        std::vector<int> nearest;   // by ancestor index
        std::vector<Step> stack;
        stack.reserve(1000);
        int count = 0;
        const int starts[2] = {sireId, damId};
        for (int side = 0; side < 2; ++side) {
            if (starts[side] < 1 || starts[side] > pedigree.Highest())
                continue;
            stack.push_back(Step{starts[side], 1});
            while (!stack.empty()) {
                const Step step = stack.back();
                stack.pop_back();
                int index = numbering.IndexOf(step.id);
                if (index < 0) {
                    index = count++;
                    numbering.Assign(step.id, index);
                    if (ids)
                        ids->append(step.id);
                    if (everyPath)
                        occurrences->append(CBioAncestorOccurrences());
                    else
                        nearest.push_back(step.generation);
                } else if (!everyPath) {
                    if (step.generation >= nearest[index])
                        continue;
                    nearest[index] = step.generation;
                }
                if (everyPath)
                    (*occurrences)[firstOccurrence + index].AddAppearance(step.generation, side == 1);
                if (limit >= 0 && step.generation >= limit)
                    continue;
                const CBioParents parents = pedigree.ParentsOf(step.id);
                if (parents.dam != 0)
                    stack.push_back(Step{parents.dam, step.generation + 1});
                if (parents.sire != 0)
                    stack.push_back(Step{parents.sire, step.generation + 1});
            }
        }
    } catch (const std::bad_alloc &) {
        return false;
    }
    return true;
}

// Renumbers the ids (all in the marks' set) so that every ancestor comes before
// its descendants: a depth-first search without recursion finishes each animal
// after its parents; the founders of the set take the first positions. Parent
// links to animals outside the set become unknown. False on a loop (with the
// path, which starts and ends with the same animal, each followed by one of its
// parents) or when memory runs out (without a path).
template <class Marks>
bool BioOrderAncestry(const CBioPedigree &source, const QVector<int> &ids, Marks &marks, CBioSubPedigree &ordered,
                      QVector<int> *loopPath)
{
    enum : quint8 { New = 0, OnPath = 1, Done = 2 };
    enum FrameKind { Visit, Edge, PostVisit };
    struct Frame
    {
        FrameKind kind;
        int individual;
        int parent;
    };
    struct Finished
    {
        int id;
        CBioParents parents;
    };
    if (loopPath)
        loopPath->clear();
    try {
        ordered.pedigree.Clear();
        ordered.positionToId = QVector<int>(1);
        std::vector<Frame> frames;
        frames.reserve(size_t(ids.size()) * 4 + 1);
        std::vector<Finished> finished;
        finished.reserve(size_t(ids.size()));
        const auto inside = [&marks](int id) { return id != 0 && marks.InSet(id) ? id : 0; };

        for (int root : ids) {
            if (!marks.InSet(root) || marks.Colour(root) != New)
                continue;
            frames.push_back(Frame{Visit, root, 0});
            while (!frames.empty()) {
                Frame &top = frames.back();
                const int x = top.individual;
                if (top.kind == Visit) {
                    marks.SetColour(x, OnPath);
                    top.kind = PostVisit;
                    const CBioParents parents = source.ParentsOf(x);
                    if (const int dam = inside(parents.dam))
                        frames.push_back(Frame{Edge, x, dam});
                    if (const int sire = inside(parents.sire))
                        frames.push_back(Frame{Edge, x, sire});
                } else if (top.kind == Edge) {
                    const int parent = top.parent;
                    frames.pop_back();
                    const quint8 colour = marks.Colour(parent);
                    if (colour == New) {
                        frames.push_back(Frame{Visit, parent, 0});
                    } else if (colour == OnPath) {
                        if (loopPath) {
                            size_t from = frames.size();
                            while (from > 0 && !(frames[from - 1].kind == PostVisit && frames[from - 1].individual == parent))
                                --from;
                            for (size_t i = from ? from - 1 : 0; i < frames.size(); ++i) {
                                if (frames[i].kind == PostVisit)
                                    loopPath->append(frames[i].individual);
                            }
                            loopPath->append(parent);
                        }
                        return false;
                    }
                } else {
                    const CBioParents parents = source.ParentsOf(x);
                    finished.push_back(Finished{x, CBioParents{inside(parents.sire), inside(parents.dam)}});
                    marks.SetColour(x, Done);
                    frames.pop_back();
                }
            }
        }

        const int n = int(finished.size());
        ordered.positionToId.resize(n + 1);
        int position = 0;
        for (const bool founders : {true, false}) {
            for (const Finished &entry : finished) {
                if ((entry.parents.sire == 0 && entry.parents.dam == 0) != founders)
                    continue;
                marks.SetPosition(entry.id, ++position);
                ordered.positionToId[position] = entry.id;
            }
        }
        const auto positionOf = [&marks](int id) { return id != 0 ? marks.Position(id) : 0; };
        ordered.pedigree.Grow(n, 0);
        for (const Finished &entry : finished)
            ordered.pedigree.SetParents(marks.Position(entry.id), positionOf(entry.parents.sire),
                                        positionOf(entry.parents.dam));
    } catch (const std::bad_alloc &) {
        if (loopPath)
            loopPath->clear();
        return false;
    }
    return true;
}
