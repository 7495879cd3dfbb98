// Every text the wizard window shows: its caption, the header lines of each step, the page texts,
// the button captions and the messages of start-up and closing. The window's layout code and its
// tests read them from here, so each text has one home. Plain constants; nothing here fails.
#pragma once

namespace MainTexts {

inline constexpr wchar_t Caption[] = L"QRV Library";

// Header over the picture.
inline constexpr wchar_t Info[] = L"Instalador";
inline constexpr wchar_t AvisoInitial[] = L".......";
inline constexpr wchar_t AvisoBemVindo[] = L"Apresentação da QRV Library";
inline constexpr wchar_t AvisoContrato[] = L"Ler e aceitar o Contrato de Licença";
inline constexpr wchar_t AvisoCaminho[] = L"Definir a pasta de destino da instalação";
inline constexpr wchar_t AvisoConfirmar[] = L"Confirmar a instalação dos componentes";
inline constexpr wchar_t AvisoCopiar[] = L"Copiar os arquivos para pasta destino";
inline constexpr wchar_t AvisoRegistrar[] = L"Registrar o package no Delphi.";

// Buttons.
inline constexpr wchar_t Voltar[] = L"&Voltar";
inline constexpr wchar_t Avancar[] = L"&Avançar";
inline constexpr wchar_t Instalar[] = L"&Instalar";
inline constexpr wchar_t Cancelar[] = L"&Cancelar";
inline constexpr wchar_t Alterar[] = L"A&lterar...";

// Welcome page.
inline constexpr wchar_t BemVindo[] =
    L"Bem-vindo ao programa de instalação da biblioteca QRV Library. Este programa vai auxiliar "
    L"você durante o processo de instalação dos componentes da QRV Library no seu computador.\r\n"
    L"\r\n"
    L"É extremamente recomendado que todas as instâncias do Delphi sejam encerradas antes de "
    L"continuar o processo de instalação.";
// The package line; FormShow fills in the package edition and the IDE's display name.
inline constexpr wchar_t Versao[] = L"\r\n\r\nPackage: %s para %s.\r\n\r\n";
inline constexpr wchar_t AvisoLegal[] =
    L"Aviso legal: este programa de computador e os componentes que ele instala são protegidos "
    L"pela Lei nº 9.609/98 (Lei do Software), pela Lei nº 9.610/98 (Lei de Direitos Autorais) e "
    L"por tratados internacionais. A reprodução, a distribuição ou a modificação não autorizada, "
    L"no todo ou em parte, sujeita o infrator às sanções civis e penais previstas em lei.";
// The maker's notice; FormCreate fills in the current year.
inline constexpr wchar_t Copyright[] =
    L"Copyright © 2004-%d Quorvane Sistemas Ltda. Todos os direitos reservados.";

// Agreement page.
inline constexpr wchar_t ContratoIntro[] =
    L"Leia atentamente o Contrato de Licença de Uso abaixo. Para prosseguir é necessário aceitar "
    L"os termos desse Contrato.";
inline constexpr wchar_t ContratoAceite[] =
    L"Sim, concordo e aceito todos os termos e condições desse Contrato";

// Destination page.
inline constexpr wchar_t Caminho[] =
    L"A biblioteca de componentes da QRV Library será instalada na pasta especificada abaixo.\r\n"
    L"\r\n"
    L"Para instalar nesta pasta clique no botão Avançar. Se deseja instalar em um outra pasta "
    L"clique no botão Alterar e selecione uma nova pasta.\r\n"
    L"\r\n"
    L"Caso não queira fazer a instalação agora clique no botão Cancelar.";
inline constexpr wchar_t PastaDestino[] = L"Pasta de destino:";

// Confirmation page.
inline constexpr wchar_t Confirmar[] =
    L"O assistente está pronto para iniciar a instalação.\r\n"
    L"\r\n"
    L"Caso queira rever ou alterar os parâmetros da instalação clique no botão Voltar. Para "
    L"prosseguir clique no botão Instalar.";

// Copy page.
inline constexpr wchar_t Copiar[] =
    L"Aguarde enquanto o instalador copia os arquivos dos componentes.";
inline constexpr wchar_t Arquivo[] = L"Arquivo:";

// Registration page.
inline constexpr wchar_t Registrar[] = L"Informações de log de registro dos componentes no Delphi.";

// Messages.
inline constexpr wchar_t CloseConfirmation[] =
    L"A instalação não foi concluída. Tem certeza que deseja cancelar?";
// No installation of the target version; %s is its display name (empty when it has none).
inline constexpr wchar_t MissingInstallation[] =
    L"O <b>%s<b> parece não estar corretamente instalado neste computador.";
inline constexpr wchar_t DelphiRunning[] =
    L"É recomendável que você <b>encerre o Delphi<b> antes de continuar.";
// A failure of the copy or of the package project's patch; %s is the failure's own text.
inline constexpr wchar_t CopyFailure[] =
    L"Não foi possível extrair os arquivos de instalação.||<b>Mensagem de erro:<b>|%s";
// The outcomes of the build step; %d of the failure is the target version.
inline constexpr wchar_t InstallationDone[] =
    L"A instalação dos componentes foi concluída com sucesso!";
inline constexpr wchar_t InstallationFailed[] =
    L"Ocorreu um erro e não foi possível concluir a instalação. Verique|a causa do erro nas "
    L"informações no log de registro.||<b>Importante:<b>|Você poderá realizar a instalação manual "
    L"abrindo o arquivo <b>QRVLib%d0.dpk<b>|que se encontra na pasta escolhida para instalação "
    L"dos componentes.";
// The Cancel button's caption once the run is finished.
inline constexpr wchar_t Fechar[] = L"Fechar";
// The class (and title) of the Delphi IDE's main window.
inline constexpr wchar_t DelphiMainWindow[] = L"TAppBuilder";

// The licence agreement shown in the agreement page's memo, lines separated by CR LF, in UTF-8.
extern const char Contrato[];

}  // namespace MainTexts
