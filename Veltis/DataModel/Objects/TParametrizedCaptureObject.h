#pragma once

#include <memory>
#include <string_view>
#include <unordered_map>

#include "Veltis/Core/CCharString.h"
#include "Veltis/Core/CEventProvider.h"
#include "Veltis/Core/TCommand.h"
#include "Veltis/DataModel/Objects/IConstCurveInfo.h"
#include "Veltis/DataModel/Objects/IConstParamInfo.h"
#include "Veltis/DataModel/Objects/IConstSurfaceInfo.h"
#include "Veltis/DataModel/TIConstCaptureObject.h"
#include "Veltis/Math/IBinaryFunction.h"
#include "Veltis/Math/IFunction.h"
#include "Veltis/Math/TIParametrizedFunction.h"

namespace Veltis {
namespace DataModel {
namespace Objects {

// A read-only model object computed by a formula whose named parameters are bound to model objects:
// each change of a bound object is pushed into the formula and announced as a change of this object,
// and the gestures of the bound objects merge into one gesture of this object (announced through
// the two capture events only; IsCaptured stays false). Base presents the formula's built function
// without owning it; Formula is IConstant, IFunction or IBinaryFunction; Wrapper the detachable
// interface. Bound objects must outlive their bindings. Runs on the model's thread.
template <class Formula, class Base, class Wrapper>
class TParametrizedCaptureObject : public Base, public virtual Wrapper {
public:
    typedef Math::TIParametrizedFunction<Formula> ParametrizedFunction;
    typedef TIConstCaptureObject<float, IConstParamInfo> ParamObject;
    typedef TIConstCaptureObject<const Math::IFunction&, IConstCurveInfo> CurveObject;
    typedef TIConstCaptureObject<const Math::IBinaryFunction&, IConstSurfaceInfo> SurfaceObject;

    // Takes the formula (owned). A null formula gives an object that only shows Base's fallback.
    explicit TParametrizedCaptureObject(ParametrizedFunction* formula)
        : Base(formula ? &formula->GetFunction() : nullptr, 0), m_Formula(formula), m_CapturedVariables(0)
    {
    }

    TParametrizedCaptureObject(const TParametrizedCaptureObject&) = delete;
    TParametrizedCaptureObject& operator=(const TParametrizedCaptureObject&) = delete;

    ~TParametrizedCaptureObject() override
    {
        Disconnect();
        delete m_Formula;
    }

    // Binds the formula's parameter name (of the object's kind) to object, replacing an earlier
    // binding of that name and kind. A name the formula lacks is bound all the same and never
    // announces anything.
    void ConnectVariable(const char* name, ParamObject& object) { Connect(m_Params, name, object); }
    void ConnectVariable(const char* name, CurveObject& object) { Connect(m_Curves, name, object); }
    void ConnectVariable(const char* name, SurfaceObject& object) { Connect(m_Surfaces, name, object); }

    // Removes every binding; the parameters keep the values last handed to them. A merged gesture
    // still open is ended.
    void Disconnect() override
    {
        Clear(m_Params);
        Clear(m_Curves);
        Clear(m_Surfaces);
    }

    Core::IEventProvider& GetBeginCaptureEvent() override { return m_BeginCapture; }
    Core::IEventProvider& GetEndCaptureEvent() override { return m_EndCapture; }
    bool IsCaptured() override { return false; }

    int GetBindingCount() const { return static_cast<int>(m_Params.size() + m_Curves.size() + m_Surfaces.size()); }

private:
    // One binding: the three listeners on the bound object. A gesture of the object counts in the
    // merged gesture only if it began while bound, so an unbalanced end never counts.
    template <class Object>
    class THandler {
    public:
        THandler(TParametrizedCaptureObject* owner, const char* name, Object& variable)
            : m_Owner(owner),
              m_Name(name),
              m_Variable(variable),
              m_BeginListener(this, &THandler::OnCaptureBegin),
              m_EndListener(this, &THandler::OnCaptureEnd),
              m_ValueListener(this, &THandler::OnValueChanged),
              m_Counted(false)
        {
            m_Variable.GetBeginCaptureEvent().AddListener(m_BeginListener);
            m_Variable.GetEndCaptureEvent().AddListener(m_EndListener);
            m_Variable.GetValueChangedEvent().AddListener(m_ValueListener);
        }

        ~THandler()
        {
            m_Variable.GetBeginCaptureEvent().RemoveListener(&m_BeginListener);
            m_Variable.GetEndCaptureEvent().RemoveListener(&m_EndListener);
            m_Variable.GetValueChangedEvent().RemoveListener(&m_ValueListener);
            OnCaptureEnd();
        }

        THandler(const THandler&) = delete;
        THandler& operator=(const THandler&) = delete;

        void OnValueChanged()
        {
            if (m_Owner->m_Formula && SetParameter(*m_Owner->m_Formula, m_Name.GetString(), m_Variable.GetValue()))
                m_Owner->NotifyValueChanged();
        }

    private:
        static bool SetParameter(ParametrizedFunction& formula, const char* name, float value)
        {
            return formula.SetParameter(name, value);
        }
        static bool SetParameter(ParametrizedFunction& formula, const char* name, const Math::IFunction& value)
        {
            return formula.SetCurveParameter(name, value);
        }
        static bool SetParameter(ParametrizedFunction& formula, const char* name, const Math::IBinaryFunction& value)
        {
            return formula.SetSurfaceParameter(name, value);
        }

        void OnCaptureBegin()
        {
            if (m_Counted)
                return;
            m_Counted = true;
            if (++m_Owner->m_CapturedVariables == 1)
                m_Owner->m_BeginCapture.Notify();
        }

        void OnCaptureEnd()
        {
            if (!m_Counted)
                return;
            m_Counted = false;
            if (--m_Owner->m_CapturedVariables == 0)
                m_Owner->m_EndCapture.Notify();
        }

        TParametrizedCaptureObject* m_Owner;
        Core::CCharString m_Name;
        Object& m_Variable;
        Core::TCommand<THandler> m_BeginListener;
        Core::TCommand<THandler> m_EndListener;
        Core::TCommand<THandler> m_ValueListener;
        bool m_Counted;
    };

    struct SNameHash {
        size_t operator()(const Core::CCharString& name) const { return std::hash<std::string_view>()(name.GetString()); }
    };

    template <class Object>
    using TBindings = std::unordered_map<Core::CCharString, std::unique_ptr<THandler<Object>>, SNameHash>;

    template <class Object>
    void Connect(TBindings<Object>& bindings, const char* name, Object& object)
    {
        const Core::CCharString key(name);
        bindings.erase(key);
        std::unique_ptr<THandler<Object>> handler(new THandler<Object>(this, key.GetString(), object));
        handler->OnValueChanged();
        bindings[key] = std::move(handler);
    }

    template <class Object>
    void Clear(TBindings<Object>& bindings)
    {
        bindings.clear();
    }

    ParametrizedFunction* m_Formula;
    TBindings<ParamObject> m_Params;
    TBindings<CurveObject> m_Curves;
    TBindings<SurfaceObject> m_Surfaces;
    int m_CapturedVariables;
    Core::CEventProvider m_BeginCapture;
    Core::CEventProvider m_EndCapture;
};

} // namespace Objects
} // namespace DataModel
} // namespace Veltis
