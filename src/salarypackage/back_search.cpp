#include "salarypackage/back_search.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>
#include <vector>

#include "salarypackage/package_credits.h"
#include "taxrules/contributions.h"
#include "taxrules/tax_scale.h"
#include "taxrules/tax_year.h"

namespace revtal {

BackSearchSetup makeBackSearchSetup(PackagePeriod period, const PackageInputs& in, const PackageSettings& set)
{
    const PackageCredits credits = packageCredits(period, in, set);
    BackSearchSetup s;
    s.period = period;
    s.NR = in.numNetMonSalReq;
    s.CFB = credits.CFB;
    s.REB = credits.REB;
    s.C = credits.MTC + credits.AMC;
    s.T = in.numTravAll;
    s.TAR = set.TAIncRate8020;
    s.OFB = in.numOTaxFB;
    s.S = otherExpensesTotal(in);
    s.MD = credits.numMedDeduct;
    s.EEMED = in.numMedAidCont;
    s.ERMED = in.numCCMedAidCont;
    s.EERF = in.numRFundCont;
    s.ERRF = in.numCCRFundCont;
    s.EEP = set.PensionCont;
    s.ERP = set.EmployerPenCont;
    s.EEU = set.EmployeeUIF;
    s.ERU = set.EmployerUIF;
    s.SDLP = set.SkillLevy;
    s.UL = set.UIFLimit;
    return s;
}

namespace {

// Taxable income at W before it is made annual and floored.
double periodTaxableIncome(const BackSearchSetup& s, double W, double EEC)
{
    return s.CFB + W + s.T * s.TAR + s.OFB + s.S - EEC - s.MD + s.EEMED - s.C + s.ERMED;
}

} // namespace

BackStep evaluateBackStep(const BackSearchSetup& s, double W)
{
    const bool year = s.period == PackagePeriod::Year;
    BackStep st;
    st.W = W;
    st.P = W + s.EEMED + s.ERMED - s.C;
    st.EEC = s.EEP > 0 ? st.P * s.EEP / 100 : s.EERF;
    st.ERC = s.ERP > 0 ? st.P * s.ERP / 100 : s.ERRF;
    double ti = periodTaxableIncome(s, W, st.EEC);
    if (!year)
        ti = 12 * ti;
    if (ti < 0)
        ti = 0;
    st.TI = ti;
    double tax = ApplyTaxScale(ti).Tax - s.REB;
    if (tax < 0)
        tax = 0;
    if (!year)
        tax = tax / 12;
    st.TAX = tax;
    st.U = s.CFB + W + s.T * s.TAR + s.OFB + s.S + s.ERMED + st.ERC - s.C;
    const auto uif = uifContributions(st.U, uifCeiling(year ? PayPeriod::Year : PayPeriod::Month, s.UL), s.EEU, s.ERU);
    st.UIFE = uif.employee;
    st.UIFR = uif.employer;
    st.SDL = (st.U - (st.EEC + st.ERC)) * s.SDLP / 100;
    // The larger of the tax and the medical credits is deducted.
    const double deducted = s.C < st.TAX ? st.TAX : s.C;
    st.NET = W + s.T - st.EEC - s.MD - st.UIFE - deducted;
    return st;
}

namespace {

// The search ends here, past 68 thousand million rand: the rand-by-rand search
// would run for hours, and rounding of amounts that large could decide alone.
constexpr std::int64_t kLastW = std::int64_t{1} << 36;
constexpr std::int64_t kLeaf = 32; // ranges this short are tried W by W
constexpr std::uint64_t kStepBudget = std::uint64_t{1} << 20;

// The annual taxable income at which the scale gives `tax` (tax >= 0).
double incomeForTax(double tax)
{
    const auto& scale = taxyear::kIncomeTaxScale;
    for (std::size_t i = 0; i < scale.size(); ++i) {
        const auto& b = scale[i];
        const double top = b.baseTax + (b.upperBound - b.lowerBound) * b.marginalRate / 100;
        if (tax <= top || i + 1 == scale.size())
            return b.lowerBound + (tax - b.baseTax) * 100 / b.marginalRate;
    }
    return 0;
}

// A place where the net salary changes slope: near W = at (give or take
// margin), by at most slopeChange.
struct Bend {
    double at;
    double margin;
    double slopeChange;
};

class Search {
  public:
    explicit Search(const BackSearchSetup& s) : s_(s)
    {
        const bool year = s.period == PackagePeriod::Year;
        const double k = year ? 1 : 12;
        const double ee = s.EEP > 0 ? s.EEP / 100 : 0;
        const double er = s.ERP > 0 ? s.ERP / 100 : 0;
        // Rounding of the literal arithmetic stays far inside this bound.
        const double amounts = std::fabs(s.NR) + std::fabs(s.CFB) + std::fabs(s.REB) + std::fabs(s.C) + std::fabs(s.T) +
                               std::fabs(s.T * s.TAR) + std::fabs(s.OFB) + std::fabs(s.S) + std::fabs(s.MD) +
                               std::fabs(s.EEMED) + std::fabs(s.ERMED) + std::fabs(s.EERF) + std::fabs(s.ERRF) +
                               12 * std::fabs(s.UL) + 2e6;
        noiseScale_ = 0x1p-46 * 2 * (1 + ee + er) * (1 + std::fabs(s.EEU) / 100);
        noiseBase_ = amounts;

        // Taxable income (annual) is affine in W: A + beta W.
        const double beta = k * (1 - ee);
        const double zeroEEC = s.EEP > 0 ? (0 + s.EEMED + s.ERMED - s.C) * s.EEP / 100 : s.EERF;
        const double A = k * periodTaxableIncome(s, 0, zeroEEC);
        if (beta != 0) {
            std::vector<double> incomes{0, incomeForTax(s.REB), incomeForTax(s.REB + k * s.C)};
            for (std::size_t i = 0; i + 1 < taxyear::kIncomeTaxScale.size(); ++i)
                incomes.push_back(taxyear::kIncomeTaxScale[i].upperBound);
            for (double income : incomes) {
                const double at = (income - A) / beta;
                // The annual income carries k times the rounding of the net.
                addBend(at, k * noise(at) / std::fabs(beta), 0.5 * std::fabs(1 - ee));
            }
        }
        // UIF base is affine in W with slope 1 + er; the charge stops at the ceiling.
        const double ceiling = uifCeiling(year ? PayPeriod::Year : PayPeriod::Month, s.UL);
        const double u0 = evaluateBackStep(s, 0).U;
        const double uAt = (ceiling - u0) / (1 + er);
        addBend(uAt, noise(uAt) / (1 + er), std::fabs(s.EEU / 100) * (1 + er));
    }

    bool usable() const { return std::isfinite(noise(kLastW)); }

    // The first W in [1, 2^36] whose literal net exceeds NR. When rounding alone
    // decides over too long a stretch, a second pass takes the range ends at
    // their face value.
    std::optional<std::int64_t> run()
    {
        for (bool blind : {false, true}) {
            blind_ = blind;
            steps_ = 0;
            exhausted_ = false;
            const auto found = overPieces();
            if (!exhausted_)
                return found;
        }
        return std::nullopt;
    }

  private:
    void addBend(double at, double positionError, double slopeChange)
    {
        if (!std::isfinite(at) || !std::isfinite(positionError) || at < -1e18 || at > 1e18)
            return;
        bends_.push_back({at, 2 + positionError, slopeChange});
    }

    double noise(double w) const { return noiseScale_ * (std::fabs(w) + noiseBase_); }

    double net(std::int64_t w)
    {
        ++steps_;
        return evaluateBackStep(s_, static_cast<double>(w)).NET;
    }

    // How far the net inside [a, b] can rise above the line through its ends.
    double bendAllowance(std::int64_t a, std::int64_t b) const
    {
        double change = 0;
        for (const auto& bend : bends_)
            if (bend.at + bend.margin >= static_cast<double>(a) && bend.at - bend.margin <= static_cast<double>(b))
                change += bend.slopeChange;
        return change * static_cast<double>(b - a) / 4;
    }

    static std::int64_t clampW(double w)
    {
        if (!(w > 1))
            return 1;
        if (w >= static_cast<double>(kLastW))
            return kLastW;
        return static_cast<std::int64_t>(w);
    }

    // Cut [1, 2^36] at the bends so that most pieces are straight.
    std::optional<std::int64_t> overPieces()
    {
        std::vector<std::int64_t> cuts{1, kLastW + 1};
        for (const auto& bend : bends_) {
            cuts.push_back(clampW(std::floor(bend.at - bend.margin)));
            cuts.push_back(clampW(std::ceil(bend.at + bend.margin)) + 1);
        }
        std::sort(cuts.begin(), cuts.end());
        cuts.erase(std::unique(cuts.begin(), cuts.end()), cuts.end());
        for (std::size_t i = 0; i + 1 < cuts.size(); ++i) {
            if (cuts[i] > kLastW)
                break;
            const auto found = firstAbove(cuts[i], std::min(cuts[i + 1] - 1, kLastW));
            if (found || exhausted_)
                return found;
        }
        return std::nullopt;
    }

    std::optional<std::int64_t> firstAbove(std::int64_t lo, std::int64_t hi)
    {
        const double required = s_.NR;
        std::vector<std::pair<std::int64_t, std::int64_t>> pending{{lo, hi}};
        while (!pending.empty()) {
            const auto [a, b] = pending.back();
            pending.pop_back();
            if (a > b)
                continue;
            if (b - a < kLeaf) {
                for (std::int64_t w = a; w <= b; ++w)
                    if (net(w) > required)
                        return w;
                continue;
            }
            const double va = net(a);
            if (va > required)
                return a;
            const double vb = net(b);
            const double slack = (blind_ ? 0 : 2 * noise(static_cast<double>(b))) + bendAllowance(a, b);
            if (std::max(va, vb) + slack <= required)
                continue;
            if (steps_ > kStepBudget) {
                exhausted_ = true;
                return std::nullopt;
            }
            const std::int64_t mid = a + (b - a) / 2;
            pending.emplace_back(mid + 1, b);
            pending.emplace_back(a + 1, mid);
        }
        return std::nullopt;
    }

    const BackSearchSetup& s_;
    std::vector<Bend> bends_;
    double noiseScale_ = 0;
    double noiseBase_ = 0;
    std::uint64_t steps_ = 0;
    bool blind_ = false;
    bool exhausted_ = false;
};

} // namespace

bool backSearchUsable(const BackSearchSetup& s)
{
    for (double w : {1.0, static_cast<double>(kLastW)}) {
        const BackStep st = evaluateBackStep(s, w);
        if (!std::isfinite(st.NET) || !std::isfinite(st.SDL) || !std::isfinite(st.UIFR))
            return false;
    }
    return Search(s).usable();
}

std::optional<double> findBackSalary(const BackSearchSetup& s)
{
    Search search(s);
    if (!search.usable())
        return std::nullopt;
    const auto w = search.run();
    if (!w)
        return std::nullopt;
    return static_cast<double>(*w);
}

} // namespace revtal
