#include "PluginsFilters/CHalfBandFilter.h"

#include <cmath>

namespace PluginsFilters {

namespace {

// Branch A then branch B of each set, n sections each, n = 1 to 6.
const double kSoft1[] = {0.23647102099689224, 0.7145421497126001};
const double kSoft2[] = {0.07986642623635751, 0.5453536510711322, 0.28382934487410993, 0.8344118914807379};
const double kSoft3[] = {0.06029739095712437, 0.4125907203610563, 0.7727156537429234,
                         0.21597144456092948, 0.6043586264658363, 0.9238861386532906};
const double kSoft4[] = {0.03583278843106211, 0.2720401433964576, 0.5720571972357003, 0.827124761997324,
                         0.1340901419430669,  0.4243248712718685, 0.7062921421386394, 0.9415030941737551};
const double kSoft5[] = {0.02366831419883467, 0.18989476227180174, 0.43157318062118555, 0.6632020224193995,
                         0.860015542499582,   0.09056555904993387, 0.3078575723749043,  0.5516782402507934,
                         0.7652146863779808,  0.9524772837866754};
const double kSoft6[] = {0.01677466677723562, 0.13902148819717805, 0.3325011117394731,  0.53766105314488,
                         0.7214184024215805,  0.8821858402078155,  0.06501319274445962, 0.23094129990840923,
                         0.4364942348420355,  0.6329609551399348,  0.8037808679411123,  0.9599687404800694};
const double kSteep1[] = {0.23647102099689224, 0.7145421497126001};
const double kSteep2[] = {0.12073211751675449, 0.6632020224193995, 0.3903621872345006, 0.890786832653497};
const double kSteep3[] = {0.1271414136264853,  0.6528245886369117, 0.9176942834328115,
                          0.40056789819445626, 0.8204163891923343, 0.9763114515836773};
const double kSteep4[] = {0.07711507983241622, 0.4820706250610472, 0.7968204713315797, 0.9412514277740471,
                          0.2659685265210946,  0.6651041532634957, 0.8841015085506159, 0.9820054141886075};
const double kSteep5[] = {0.051457617441190984, 0.35978656070567017, 0.6725475931034693, 0.8590884928249939,
                          0.9540209867860787,   0.18621906251989334, 0.529951372847964,  0.7810257527489514,
                          0.9141815687605308,   0.985475023014907};
const double kSteep6[] = {0.036681502163648017, 0.2746317593794541,  0.5610989697879195, 0.769741833862266,
                          0.8922608180038789,   0.962094548378084,   0.13654762463195771, 0.42313861743656667,
                          0.6775400499741616,   0.839889624849638,   0.9315419599631839, 0.9878163707328971};

const double* const kSoft[] = {kSoft1, kSoft2, kSoft3, kSoft4, kSoft5, kSoft6};
const double* const kSteep[] = {kSteep1, kSteep2, kSteep3, kSteep4, kSteep5, kSteep6};

const int kDefaultSections = 4;

} // namespace

CHalfBandFilter::CHalfBandFilter(int capacity)
    : m_capacity(capacity > 0 ? capacity : 0), m_countA(m_capacity), m_countB(m_capacity), m_previousB(0.0)
{
    m_branchA.reset(new AllpassSection[m_capacity > 0 ? m_capacity : 1]());
    m_branchB.reset(new AllpassSection[m_capacity > 0 ? m_capacity : 1]());
    SetCoefficients(kDefaultSections, false);
}

const double* CHalfBandFilter::GetCoefficients(int n, bool steep, int branch)
{
    if (n < 1 || n > kMaxSections)
        return nullptr;
    const double* set = steep ? kSteep[n - 1] : kSoft[n - 1];
    return branch == 0 ? set : set + n;
}

void CHalfBandFilter::SetCoefficients(int n, bool steep)
{
    if (n > kMaxSections || n < 0 || (!steep && n == 0))
        n = kDefaultSections;
    const int count = n < m_capacity ? n : m_capacity;
    AllpassSection* const branches[] = {m_branchA.get(), m_branchB.get()};
    int* const counts[] = {&m_countA, &m_countB};
    for (int b = 0; b < 2; ++b) {
        AllpassSection* sections = branches[b];
        for (int i = *counts[b]; i < count; ++i)
            ClearSection(sections[i]);
        *counts[b] = count;
        const double* coefficients = GetCoefficients(n, steep, b);
        for (int i = 0; i < count; ++i)
            sections[i].a = coefficients[i];
    }
}

void CHalfBandFilter::ClearSection(AllpassSection& section)
{
    section.x1 = section.x2 = section.x3 = 0.0;
    section.y1 = section.y2 = section.y3 = 0.0;
}

void CHalfBandFilter::Clear()
{
    for (int i = 0; i < m_countA; ++i)
        ClearSection(m_branchA[i]);
    for (int i = 0; i < m_countB; ++i)
        ClearSection(m_branchB[i]);
    m_previousB = 0.0;
}

void CHalfBandFilter::RecoverFromNonFinite()
{
    double sum = m_previousB;
    const AllpassSection* const branches[] = {m_branchA.get(), m_branchB.get()};
    const int counts[] = {m_countA, m_countB};
    for (int b = 0; b < 2; ++b)
        for (int i = 0; i < counts[b]; ++i) {
            const AllpassSection& s = branches[b][i];
            sum += s.x1 + s.x2 + s.x3 + s.y1 + s.y2 + s.y3;
        }
    // A sum of finite histories may still overflow; clearing then costs only a short transient.
    if (!std::isfinite(sum))
        Clear();
}

} // namespace PluginsFilters
