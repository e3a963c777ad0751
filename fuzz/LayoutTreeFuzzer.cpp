// Builds a tree of groups of every type, tables and fixed-size leaves from the input, with arbitrary
// integers and floats (NaN, infinities, extremes) for sizes, margins, spacings, positions, fractions and
// flexes; lays it out, changes options, removes, detaches and re-adds cells, then destroys it. Whatever
// the input, no sanitizer report and no hang.
#include "Veltis/Layout/CGroupLayoutCell.h"
#include "Veltis/Layout/CTableLayoutCell.h"

#include "CFuzzInput.h"

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <vector>

using namespace Veltis::Core;
using namespace Veltis::Layout;

namespace {

const size_t kMaxNodes = 48;

class CInput : public CFuzzInput {
public:
    using CFuzzInput::CFuzzInput;

    int Int()
    {
        static const int32_t kSpecial[] = {0, 1, -1, 2, 3, 5, 10, 100, -100, 1000,
                                           std::numeric_limits<int32_t>::max(), std::numeric_limits<int32_t>::min(),
                                           std::numeric_limits<int32_t>::max() - 1,
                                           std::numeric_limits<int32_t>::min() + 1};
        return Pick(kSpecial);
    }

    float Float()
    {
        static const float kSpecial[] = {0.0f, 0.5f, 1.0f, 2.0f, -1.0f, 0.25f, NAN, INFINITY, -INFINITY, 1e30f,
                                         -1e30f, FLT_MAX, -FLT_MAX, FLT_MIN, 1e-30f, -0.0f};
        return Pick(kSpecial);
    }
};

// What the fuzzer knows of each cell it made, so that it never touches one that is gone.
struct CNode {
    ILayoutCell* cell = nullptr;
    CBaseGroupLayoutCell* base = nullptr;
    CGroupLayoutCell* group = nullptr;
    CTableLayoutCell* table = nullptr;
    int parent = -1; // -1: a root held by the fuzzer
    ITableLayoutRow* row = nullptr;
    ILayoutOptions* options = nullptr;
    std::vector<ITableLayoutRow*> rows;
    bool alive = true;
};

class CFuzzTree {
public:
    explicit CFuzzTree(CInput& input) : m_In(input) { Make(); }

    ~CFuzzTree()
    {
        // Every root the fuzzer holds goes, and with it what it owns.
        for (size_t i = 0; i < m_Nodes.size(); ++i)
            if (m_Nodes[i].alive && m_Nodes[i].parent < 0)
                Delete(int(i));
    }

    void Step()
    {
        switch (m_In.Byte() % 16) {
        case 0: Add(Make()); break;
        case 1: AddRow(); break;
        case 2: SetOption(); break;
        case 3: SetGroupValue(); break;
        case 4: if (CNode* n = Any()) n->cell->SetDisplayed(m_In.Byte() & 1); break;
        case 5: if (CNode* n = Any()) n->cell->SetAutoUpdate(m_In.Byte() & 1); break;
        case 6: Remove(); break;
        case 7: ReAdd(); break;
        case 8: Clear(); break;
        case 9: RemoveRow(); break;
        case 10: Detach(); break;
        case 11: if (CNode* n = Any()) n->cell->Place(C2DRectangle(m_In.Int(), m_In.Int(), 0, 0)); break;
        case 12: if (CNode* n = Any()) n->cell->UpdateLayout(); break;
        case 13: if (CNode* n = Any()) n->cell->Relayout(); break;
        case 14: SetCursor(); break;
        default: if (CNode* n = Any()) n->cell->SetSize(C2DSize(m_In.Int(), m_In.Int())); break;
        }
    }

private:
    // A new cell, held by the fuzzer until it is added somewhere.
    int Make()
    {
        if (m_Nodes.size() >= kMaxNodes)
            return -1;
        CNode node;
        const uint8_t kind = m_In.Byte() % 3;
        if (kind == 0) {
            node.table = new CTableLayoutCell(m_In.Int(), m_In.Int(), m_In.Int(), m_In.Int(), m_In.Int(), m_In.Int());
            node.base = node.table;
        } else {
            const int type = (m_In.Byte() & 7) == 0 ? m_In.Int() : m_In.Byte() % 3;
            node.group = new CGroupLayoutCell(m_In.Int(), m_In.Int(), m_In.Int(), m_In.Int(), m_In.Int(),
                                              ELayoutType(type));
            node.base = node.group;
            if (kind == 2)
                node.group->SetAutoSize(false); // a fixed-size leaf
        }
        node.cell = node.base;
        m_Nodes.push_back(node);
        return int(m_Nodes.size() - 1);
    }

    CNode* Any()
    {
        std::vector<CNode*> alive;
        for (CNode& node : m_Nodes)
            if (node.alive)
                alive.push_back(&node);
        return alive.empty() ? nullptr : alive[m_In.Index(alive.size())];
    }

    int Pick(bool (*accept)(const CNode&))
    {
        std::vector<int> found;
        for (size_t i = 0; i < m_Nodes.size(); ++i)
            if (m_Nodes[i].alive && accept(m_Nodes[i]))
                found.push_back(int(i));
        return found.empty() ? -1 : found[m_In.Index(found.size())];
    }

    // Every cell is a group or a table, so any may hold children.
    static bool IsContainer(const CNode&) { return true; }
    static bool IsTable(const CNode& node) { return node.table != nullptr; }
    static bool IsHeld(const CNode& node) { return node.parent >= 0; }
    static bool IsFree(const CNode& node) { return node.parent < 0; }

    bool IsWithin(int node, int ancestor) const
    {
        for (int i = node; i >= 0; i = m_Nodes[i].parent)
            if (i == ancestor)
                return true;
        return false;
    }

    CLayoutOptions Options()
    {
        CLayoutOptions options;
        const int count = m_In.Byte() % 4;
        for (int i = 0; i < count; ++i)
            SetOption(options);
        return options;
    }

    void SetOption(ILayoutOptions& options)
    {
        switch (m_In.Byte() % 7) {
        case 0: options.SetHAlign(Align::EHAlign(m_In.Int())); break;
        case 1: options.SetVAlign(Align::EVAlign(m_In.Int())); break;
        case 2: options.SetHPosition(m_In.Int()); break;
        case 3: options.SetVPosition(m_In.Int()); break;
        case 4: options.SetRelativeWidth(m_In.Float()); break;
        case 5: options.SetRelativeHeight(m_In.Float()); break;
        default: options.SetFlex(m_In.Float()); break;
        }
    }

    void SetOption()
    {
        const int n = Pick(IsHeld);
        if (n >= 0)
            SetOption(*m_Nodes[n].options);
    }

    // Adds a free cell to a container that does not lie inside it.
    void Add(int child)
    {
        if (child < 0)
            return;
        const int target = Pick(IsContainer);
        if (target < 0 || IsWithin(target, child))
            return;
        CNode& container = m_Nodes[target];
        ILayoutOptions* options = container.base->AddCell(m_Nodes[child].cell, Options(), 1);
        if (!options)
            return; // a table without a current row: the cell stays free
        m_Nodes[child].parent = target;
        m_Nodes[child].options = options;
        m_Nodes[child].row = container.table ? container.table->GetInsertAfterRow() : nullptr;
    }

    void ReAdd() { Add(Pick(IsFree)); }

    void AddRow()
    {
        const int t = Pick(IsTable);
        if (t >= 0 && m_Nodes[t].rows.size() < kMaxNodes)
            m_Nodes[t].rows.push_back(m_Nodes[t].table->AddRow({m_In.Float(), m_In.Int()}));
    }

    void SetGroupValue()
    {
        const int n = Pick(IsContainer);
        if (n < 0)
            return;
        CNode& node = m_Nodes[n];
        switch (m_In.Byte() % 9) {
        case 0: node.base->SetHMargin(m_In.Int()); break;
        case 1: node.base->SetVMargin(m_In.Int()); break;
        case 2: node.base->SetInternalAlign({m_In.Int(), m_In.Int()}); break;
        case 3: node.base->SetAutoWidth(m_In.Byte() & 1); break;
        case 4: node.base->SetAutoHeight(m_In.Byte() & 1); break;
        case 5: node.base->SetFixedSize(C2DSize(m_In.Int(), m_In.Int())); break;
        case 6: if (node.group) node.group->SetSpacing(m_In.Int()); break;
        case 7: if (node.group) node.group->SetLayoutType(ELayoutType(m_In.Int())); break;
        default: node.base->SetInternalHAlign(Align::EHAlign(m_In.Int())); break;
        }
    }

    void SetCursor()
    {
        const int n = Pick(IsContainer);
        if (n < 0)
            return;
        CNode& node = m_Nodes[n];
        const uint8_t how = m_In.Byte() % 3;
        if (how == 0) {
            node.base->SetInsertAfter(nullptr);
        } else if (how == 1) {
            if (CNode* other = Any())
                node.base->SetInsertAfter(other->cell);
        } else if (node.table) {
            node.table->SetInsertAfterRow(node.rows.empty() ? nullptr : node.rows[m_In.Index(node.rows.size())]);
        }
    }

    void Free(int n)
    {
        m_Nodes[n].parent = -1;
        m_Nodes[n].options = nullptr;
        m_Nodes[n].row = nullptr;
    }

    // Marks the node and everything below it gone, after its container deleted it.
    void Forget(int gone)
    {
        for (size_t i = 0; i < m_Nodes.size(); ++i)
            if (m_Nodes[i].alive && IsWithin(int(i), gone) && int(i) != gone)
                m_Nodes[i].alive = false;
        m_Nodes[gone].alive = false;
    }

    void Delete(int n)
    {
        Forget(n);
        delete m_Nodes[n].cell;
    }

    void Remove()
    {
        const int n = Pick(IsHeld);
        if (n < 0)
            return;
        const bool deleteIt = m_In.Byte() & 1;
        m_Nodes[m_Nodes[n].parent].base->RemoveCell(m_Nodes[n].cell, deleteIt);
        if (deleteIt)
            Forget(n);
        else
            Free(n);
    }

    void Detach()
    {
        const int n = Pick(IsHeld);
        if (n < 0)
            return;
        m_Nodes[n].cell->Detach();
        Free(n);
    }

    void Clear()
    {
        const int n = Pick(IsContainer);
        if (n < 0)
            return;
        m_Nodes[n].cell->Clear();
        m_Nodes[n].rows.clear();
        for (size_t i = 0; i < m_Nodes.size(); ++i)
            if (m_Nodes[i].alive && m_Nodes[i].parent == n)
                Forget(int(i));
    }

    void RemoveRow()
    {
        const int t = Pick(IsTable);
        if (t < 0 || m_Nodes[t].rows.empty())
            return;
        std::vector<ITableLayoutRow*>& rows = m_Nodes[t].rows;
        const size_t index = m_In.Index(rows.size());
        ITableLayoutRow* row = rows[index];
        rows.erase(rows.begin() + long(index));
        row->Remove();
        for (size_t i = 0; i < m_Nodes.size(); ++i)
            if (m_Nodes[i].alive && m_Nodes[i].parent == t && m_Nodes[i].row == row)
                Forget(int(i));
    }

    CInput& m_In;
    std::vector<CNode> m_Nodes;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    CInput input(data, size);
    CFuzzTree tree(input);
    for (int steps = 0; steps < 4096 && !input.IsDone(); ++steps)
        tree.Step();
    return 0;
}
