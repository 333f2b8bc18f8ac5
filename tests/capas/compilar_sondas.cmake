# A rule file that includes a widget does not compile; one that includes Qt
# Core does. -DBUILD=the build folder.
execute_process(COMMAND ${CMAKE_COMMAND} --build ${BUILD} --target sonda_regla
                RESULT_VARIABLE bien OUTPUT_VARIABLE salida ERROR_VARIABLE salida)
if(NOT bien EQUAL 0)
  message(FATAL_ERROR "La sonda con Qt Core no compila:\n${salida}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} --build ${BUILD} --target sonda_ventana
                RESULT_VARIABLE mal OUTPUT_VARIABLE salida ERROR_VARIABLE salida)
if(mal EQUAL 0)
  message(FATAL_ERROR "Una regla ha podido incluir <QWidget>")
endif()
if(NOT salida MATCHES "QWidget: No such file")
  message(FATAL_ERROR "La sonda de <QWidget> falló por otra razón:\n${salida}")
endif()
message(STATUS "Las reglas no ven QtWidgets: <QWidget> no compila en ellas")
