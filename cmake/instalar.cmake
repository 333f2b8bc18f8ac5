# Install layout and the Debian package. The program runs from a writable
# game folder, so the real binary is private and a launcher in bin/ sets up
# that folder per user and starts it there.
include(GNUInstallDirs)

set(ZIFRA_ID org.zifra.SumasYRestas)
set(ZIFRA_TAMANOS_ICONO 16 22 24 32 48 64 128 256)

# Smaller icons come from the generated 256 px one, so they need no sources in git.
add_executable(generar_iconos ${PROJECT_SOURCE_DIR}/tools/generar_iconos.cpp)
target_link_libraries(generar_iconos PRIVATE Qt6::Gui)

set(ZIFRA_ICONO ${CMAKE_BINARY_DIR}/generado/iconos/zifra.png)
set(ZIFRA_HICOLOR ${CMAKE_BINARY_DIR}/generado/iconos/hicolor)
set(ZIFRA_ICONOS_TEMA)
foreach(lado IN LISTS ZIFRA_TAMANOS_ICONO)
  list(APPEND ZIFRA_ICONOS_TEMA ${ZIFRA_HICOLOR}/${lado}x${lado}/apps/${ZIFRA_ID}.png)
endforeach()
add_custom_command(
  OUTPUT ${ZIFRA_ICONOS_TEMA}
  COMMAND generar_iconos ${ZIFRA_ICONO} ${ZIFRA_HICOLOR} ${ZIFRA_ID} ${ZIFRA_TAMANOS_ICONO}
  DEPENDS generar_iconos ${ZIFRA_ICONO}
  COMMENT "Escalando el icono a los tamaños del tema")
add_custom_target(iconos_tema ALL DEPENDS ${ZIFRA_ICONOS_TEMA})
# The 256 px source is made by the resources target.
add_dependencies(iconos_tema recursos_generados)

# Software centres fetch the README's screenshots from here; the name
# follows the reverse-DNS id of the component.
set(ZIFRA_URL_CAPTURAS "https://zifra.org/docs" CACHE STRING
    "Web folder holding the docs/*.png screenshots, for the AppStream file")

# A fixed date when SOURCE_DATE_EPOCH is set keeps the package reproducible.
string(TIMESTAMP ZIFRA_FECHA "%Y-%m-%d" UTC)
configure_file(${PROJECT_SOURCE_DIR}/packaging/${ZIFRA_ID}.metainfo.xml
               ${CMAKE_BINARY_DIR}/packaging/${ZIFRA_ID}.metainfo.xml @ONLY)

# The installation test looks for the files where these rules put them.
file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/packaging/rutas_instalacion.cmake CONTENT
"set(CMAKE_INSTALL_BINDIR [==[@CMAKE_INSTALL_BINDIR@]==])
set(CMAKE_INSTALL_LIBEXECDIR [==[@CMAKE_INSTALL_LIBEXECDIR@]==])
set(CMAKE_INSTALL_DATADIR [==[@CMAKE_INSTALL_DATADIR@]==])
set(CMAKE_INSTALL_DATAROOTDIR [==[@CMAKE_INSTALL_DATAROOTDIR@]==])
set(CMAKE_INSTALL_MANDIR [==[@CMAKE_INSTALL_MANDIR@]==])
" @ONLY)

# Debian wants the changelog and man page compressed, without gzip timestamps.
find_program(ZIFRA_GZIP gzip REQUIRED)
string(TIMESTAMP ZIFRA_FECHA_RFC2822 "%a, %d %b %Y %H:%M:%S +0000" UTC)
set(ZIFRA_DOC ${CMAKE_BINARY_DIR}/packaging/doc)
configure_file(${PROJECT_SOURCE_DIR}/packaging/changelog.in ${ZIFRA_DOC}/changelog @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/packaging/zifra.6.in ${ZIFRA_DOC}/zifra.6 @ONLY)
add_custom_command(
  OUTPUT ${ZIFRA_DOC}/changelog.gz ${ZIFRA_DOC}/zifra.6.gz
  COMMAND ${ZIFRA_GZIP} -9nkf ${ZIFRA_DOC}/changelog ${ZIFRA_DOC}/zifra.6
  DEPENDS ${ZIFRA_DOC}/changelog ${ZIFRA_DOC}/zifra.6
  COMMENT "Comprimiendo el changelog y la página de manual")
add_custom_target(documentos_paquete ALL
  DEPENDS ${ZIFRA_DOC}/changelog.gz ${ZIFRA_DOC}/zifra.6.gz)

install(TARGETS zifra RUNTIME DESTINATION ${CMAKE_INSTALL_LIBEXECDIR}/zifra)
# The chart module goes beside the program, which opens it from there.
install(TARGETS zifra_graficos LIBRARY DESTINATION ${CMAKE_INSTALL_LIBEXECDIR}/zifra)

# Read at install time, so whatever the build put in juego/ goes in; but not
# the scores of someone who played in the build folder with jugar.sh.
install(DIRECTORY ${CMAKE_BINARY_DIR}/juego/
        DESTINATION ${CMAKE_INSTALL_DATADIR}/zifra/juego
        PATTERN puntos.zfr EXCLUDE)

# The launcher is filled in at install time: `cmake --install --prefix` may
# choose another prefix than the one configured.
set(ZIFRA_LANZADOR ${CMAKE_BINARY_DIR}/packaging/zifra)
install(CODE "
  foreach(_d IN ITEMS \"${CMAKE_INSTALL_LIBEXECDIR}\" \"${CMAKE_INSTALL_DATADIR}\")
    if(IS_ABSOLUTE \"\${_d}\")
      list(APPEND _zifra_dirs \"\${_d}\")
    else()
      get_filename_component(_p \"\${CMAKE_INSTALL_PREFIX}/\${_d}\" ABSOLUTE)
      list(APPEND _zifra_dirs \"\${_p}\")
    endif()
  endforeach()
  list(GET _zifra_dirs 0 _libexec)
  list(GET _zifra_dirs 1 _datos)
  # The script quotes them with '...', so a quote inside must be closed and escaped.
  string(REPLACE \"'\" \"'\\\\''\" _libexec \"\${_libexec}\")
  string(REPLACE \"'\" \"'\\\\''\" _datos \"\${_datos}\")
  set(ZIFRA_PROGRAMA \"\${_libexec}/zifra/zifra\")
  set(ZIFRA_DATOS \"\${_datos}/zifra/juego\")
  configure_file(\"${PROJECT_SOURCE_DIR}/packaging/zifra.in\" \"${ZIFRA_LANZADOR}\" @ONLY)
")
install(PROGRAMS ${ZIFRA_LANZADOR} DESTINATION ${CMAKE_INSTALL_BINDIR})

install(FILES ${PROJECT_SOURCE_DIR}/packaging/${ZIFRA_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_BINARY_DIR}/packaging/${ZIFRA_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright ${ZIFRA_DOC}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/zifra)  # named after the package
install(FILES ${ZIFRA_DOC}/zifra.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(DIRECTORY ${ZIFRA_HICOLOR}/
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor)

# Debian package: `cpack -G DEB` in the build folder.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zifra)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_CONTACT "the Zifra project contributors <zifra@localhost>")
set(CPACK_PACKAGE_VENDOR "the Zifra project contributors")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "juego para practicar sumas y restas en primaria")
# CPack puts the summary first and indents each line; an empty line becomes " .".
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
"Zifra es un juego para practicar sumas y restas en la escuela primaria.
Los niños y niñas se turnan ante un mismo ordenador y resuelven cuentas en
columna, cifra a cifra y con las llevadas explicadas paso a paso, y cálculo
mental en el que falta un número.

Guarda los resultados de cada jugador, lleva la lista de los diez mejores e
imprime hojas de cuentas con las soluciones al pie. Todo está en castellano.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Listed by hand: the plugins (SQLite's, for the journal, among them), the
# soundfont, translations and fonts are loaded at run time, so no
# shared-library scan would find them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS OFF)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
  "libc6, libstdc++6, libqt6core6, libqt6widgets6, libqt6gui6, libqt6printsupport6, libqt6charts6, libqt6sql6, libqt6sql6-sqlite, libsqlite3-0, libasound2, qt6-qpa-plugins, libfluidsynth3, timgm6mb-soundfont, qt6-translations-l10n, fonts-liberation")
# Help pages open in the desktop's browser; speech needs eSpeak NG, and the game
# plays on, silent, without it.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, libespeak-ng1, espeak-ng-data")
set(CPACK_STRIP_FILES ON)
include(CPack)
