#pragma once

// Maps a parameter's real value to the normalised 0..1 value the host automates, and back.
class AAX_ITaperDelegateBase {
public:
    virtual ~AAX_ITaperDelegateBase() = default;
};

template <class T> class AAX_ITaperDelegate : public AAX_ITaperDelegateBase {
public:
    virtual AAX_ITaperDelegate* Clone() const = 0;
    virtual T GetMaximumValue() const = 0;
    virtual T GetMinimumValue() const = 0;
    virtual T ConstrainRealValue(T value) const = 0;
    virtual T NormalizedToReal(double normalizedValue) const = 0;
    virtual double RealToNormalized(T realValue) const = 0;
};
