-- QOR Desktop database: the source of a conversion.
-- Flags are varchar(1), not char(1), so that an empty flag reads back empty
-- instead of as one blank. Municipality codes are integers everywhere because
-- the conversion unites them across tables (families with professionals,
-- persons with professionals). Every column but the keys may be NULL.

create table agenda_atendimento (
  id_agenda_atend integer not null primary key,
  id_unidade integer,
  id_pessoa integer,
  id_profissional integer,
  id_atendimento_motivo integer,
  data date,
  hora time,
  flag_ok varchar(1),
  observacao varchar(1000),
  id_atendimento integer
);

create table agenda_visita (
  id_agenda_visita integer not null primary key,
  id_unidade integer,
  id_familia integer,
  id_solicitante integer,
  id_profissional integer,
  id_prof_acomp integer,
  id_motivo integer,
  data date,
  hora time,
  flag_ok varchar(1),
  observacao varchar(1000),
  id_visita integer
);

create table atend_mot_canc (
  id_atend_mot_canc integer not null primary key,
  de_atend_mot_canc varchar(100)
);

create table atendimento (
  id_unidade integer not null,
  id_atendimento integer not null,
  id_pessoa integer,
  id_profissional integer,
  id_atendimento_motivo integer,
  id_atendimento_tipo integer,
  data date,
  hora time,
  observacao varchar(1000),
  parecer varchar(1000),
  encaminhamento varchar(1000),
  flag_bloqueado varchar(1),
  id_unidade_enc integer,
  id_profissional_enc integer,
  primary key (id_unidade, id_atendimento)
);

create table atendimento_grupo (
  id_unidade integer not null,
  id_atendimento_grupo integer not null,
  id_profissional integer,
  id_atendimento_motivo integer,
  id_atendimento_status integer,
  data date,
  hora time,
  hora_fim time,
  observacao varchar(1000),
  parecer varchar(1000),
  encaminhamento varchar(1000),
  flag_bloqueado varchar(1),
  usuario_bloqueou varchar(50),
  id_grupo_mutirao integer,
  id_atend_mot_canc integer,
  cancelado varchar(1),
  data_cancelamento date,
  id_atend_mot_reat integer,
  reativado varchar(1),
  data_reativacao date,
  foto1 blob sub_type binary,
  primary key (id_unidade, id_atendimento_grupo)
);

create table atendimento_grupo_pessoa (
  id_unidade integer not null,
  id_atendimento_grupo integer not null,
  id_pessoa integer not null,
  justificativa varchar(500),
  flag_presente varchar(1),
  flag_trab_inf varchar(1),
  flag_expl_s varchar(1),
  flag_ado_droga varchar(1),
  flag_adul_droga varchar(1),
  flag_migrante varchar(1),
  primary key (id_unidade, id_atendimento_grupo, id_pessoa)
);

create table atendimento_motivo (
  id_atendimento_motivo integer not null primary key,
  de_atendimento_motivo varchar(100)
);

create table atendimento_status (
  id_atendimento_status integer not null primary key,
  de_atendimento_status varchar(50)
);

create table bairro (
  id_bairro integer not null primary key,
  descricao varchar(100)
);

create table beneficio (
  id_beneficio integer not null primary key,
  descricao varchar(100),
  valor_beneficio numeric(15,2),
  observacao varchar(1000),
  prazo integer,
  tipo varchar(20),
  proxima integer,
  status_proxima integer,
  flag_exige_complemento varchar(1),
  qtd_beneficio numeric(15,2),
  id_beneficio_grupo integer,
  flag_ativo varchar(1),
  id_variavel_preco integer,
  tipo_suas integer
);

create table beneficio_pessoa (
  id integer not null primary key,
  id_beneficio integer,
  id_pessoa integer,
  dt_recebeu date,
  valor numeric(15,2),
  id_profissional integer,
  id_convenio integer,
  id_status integer,
  id_requerimento integer,
  id_ponto integer,
  quantidade numeric(15,2),
  valor_unitario numeric(15,2),
  id_unidade integer,
  id_atendimento integer,
  complemento varchar(200),
  renda_pessoa numeric(15,2),
  renda_familia numeric(15,2),
  renda_percapita_familia numeric(15,2),
  dt_alterou_status date,
  id_projeto integer,
  dt_cadastro date,
  dt_solicitacao timestamp,
  hora time,
  origem_solicitacao varchar(50),
  id_municipio_origem integer,
  id_municipio_destino integer,
  tipo_passagem varchar(20),
  flag_bloqueado varchar(1),
  usuario_bloqueou varchar(50),
  usuario varchar(50),
  id_unidade_sol integer,
  alerta_status varchar(1),
  observacao varchar(1000),
  parecer varchar(1000)
);

create table cartorio (
  id_cartorio integer not null primary key,
  cartorio varchar(150),
  cd_municipio integer,
  titular varchar(100),
  substituto varchar(100)
);

create table concessao (
  id_concessao integer not null primary key,
  id_contrato integer,
  data date,
  origem_recurso varchar(30),
  valor numeric(15,2),
  competencia varchar(10),
  tipo_concessao varchar(30)
);

create table contrato (
  id_contrato integer not null primary key,
  id_entidade integer,
  id_unidade integer,
  dt_inicio date,
  dt_fim date,
  saldo numeric(15,2),
  quota numeric(15,2),
  processo varchar(50)
);

-- No key: the legacy system allowed the same expense twice for one family.
create table despesas (
  id_familia integer,
  id_tipo_despesa integer,
  valor numeric(15,2)
);

create table distrito (
  id_distrito integer not null primary key,
  distrito varchar(100)
);

-- id_atendimento holds a visit's id plus 1000000 when the document belongs to a visit.
create table documento_anexo (
  id_anexo integer not null primary key,
  id_familia integer,
  id_pessoa integer,
  dt_anexou date,
  id_tipo_anexo integer,
  numero varchar(30),
  pagina integer,
  valor numeric(15,2),
  observacao varchar(200),
  flag_digital varchar(1),
  id_unidade integer,
  id_atendimento integer,
  extensao varchar(10),
  id_encaminhamento integer
);

create table domicilio (
  id_familia integer,
  id_situacao integer,
  dt_cadastro date
);

create table entidade (
  id_entidade integer not null primary key,
  nome varchar(150),
  fone varchar(30),
  flag_exclusivo varchar(1),
  cd_municipio integer,
  endereco varchar(150),
  complemento varchar(100),
  id_bairro integer,
  cep varchar(10)
);

create table entidade_pessoa (
  id_entidade integer not null,
  id_pessoa integer not null,
  flag_responsavel varchar(1),
  primary key (id_entidade, id_pessoa)
);

create table familia (
  id_familia integer not null primary key,
  cd_municipio integer,
  cd_familia varchar(20),
  endereco varchar(150),
  complemento varchar(100),
  bairro varchar(100),
  cep varchar(10),
  numero varchar(20),
  id_bairro integer,
  id_logradouro integer,
  referencia varchar(200),
  id_localizacao integer,
  id_distrito integer,
  latitude double precision,
  longitude double precision,
  renda numeric(15,2),
  dt_atualizacao date,
  renda_percapita numeric(15,2),
  observacao varchar(1000),
  telefone_familia varchar(30),
  id_unidade integer,
  endereco_fonetico varchar(250),
  dt_atualizar date,
  segmento varchar(10),
  area varchar(10),
  microarea varchar(10),
  familia varchar(20),
  dt_cadastro date,
  id_unidade_saude integer,
  id_entrevistador integer,
  ativa varchar(1),
  domicilio varchar(20),
  data_pesquisa date,
  forma_coleta integer,
  form_principal varchar(20),
  form_avulso varchar(20),
  form_avulso2 varchar(20),
  form_suplem varchar(20),
  form_suplem1 varchar(20),
  form_suplem2 varchar(20),
  fone_contato varchar(30),
  contato_fone_contato varchar(100),
  email varchar(100),
  id_subdistrito integer,
  unidade_territorial varchar(50),
  id_grau_carencia integer,
  especificidade integer,
  obs_especificidade varchar(200)
);

create table itens (
  id_item integer not null primary key,
  id_concessao integer,
  nota_fiscal varchar(30),
  data_nota date,
  obs_nota varchar(500),
  empresa varchar(150),
  valor numeric(15,2)
);

create table localizacao (
  id_localizacao integer not null primary key,
  localizacao varchar(100)
);

create table logradouro (
  id_logradouro integer not null primary key,
  id_tipo_logradouro integer,
  de_logradouro varchar(150)
);

create table pessoa (
  id_pessoa integer not null primary key,
  nome varchar(100),
  id_familia integer,
  data_nascimento date,
  sexo varchar(1),
  id_parentesco integer,
  pai varchar(100),
  mae varchar(100),
  nis varchar(20),
  dt_atualizacao timestamp,
  id_estado_civil integer,
  id_raca_cor integer,
  observacao varchar(1000),
  renda numeric(15,2),
  nmatricula varchar(20),
  cns varchar(20),
  flag_obito varchar(1),
  data_obito date,
  rg varchar(20),
  rg_orgao varchar(20),
  rg_uf varchar(2),
  rg_emissao timestamp,
  carteira_trabalho varchar(20),
  carteira_serie varchar(10),
  carteira_emissao date,
  carteira_uf varchar(2),
  titulo_eleitor varchar(20),
  titulo_zona varchar(10),
  titulo_secao varchar(10),
  renda_aposentadoria numeric(15,2),
  renda_seguro numeric(15,2),
  renda_pensao numeric(15,2),
  renda_outras numeric(15,2),
  renda_emprego numeric(15,2),
  renda_pensao_cuidador numeric(15,2),
  renda_doacao numeric(15,2),
  renda_bpc numeric(15,2),
  renda_extra numeric(15,2),
  email varchar(100),
  id_tipo_responsavel integer,
  responsavel varchar(100),
  livro varchar(10),
  folha varchar(10),
  termo varchar(10),
  data_emissao date,
  ncertidao varchar(40),
  flag_tipo varchar(40),
  nome_cartorio varchar(150),
  certidao_obito varchar(40),
  id_orientacao integer,
  banco varchar(100),
  agencia varchar(20),
  conta varchar(20),
  id_nacionalidade integer,
  municipio_nascimento integer,
  flag_responsavel varchar(1),
  cpf varchar(14),
  telefone varchar(30),
  celular varchar(30),
  nim varchar(20),
  ativo varchar(1),
  nome_social varchar(100),
  dt_cadastro date,
  id_cartorio integer
);

create table profissionais (
  id_profissional integer not null primary key,
  nome varchar(100),
  data_nascimento date,
  sexo varchar(1),
  cd_ibge integer,
  endereco varchar(150),
  bairro varchar(100),
  complemento varchar(100),
  fone varchar(30),
  celular varchar(30),
  cargo varchar(100),
  cress varchar(30),
  nim varchar(20),
  cnpj varchar(18),
  rg varchar(20),
  cpf varchar(14)
);

create table profissional_participante (
  id_prof_participante integer not null primary key,
  id_unidade integer,
  id_atendimento integer,
  id_profissional integer,
  id_atendimento_grupo integer
);

create table profissional_unidade (
  id_profissional integer not null,
  id_unidade integer not null,
  primary key (id_profissional, id_unidade)
);

create table projeto (
  id_projeto integer not null primary key,
  projeto varchar(100),
  descricao varchar(1000),
  idade_de integer,
  idade_ate integer,
  flag_exclusivo varchar(1),
  flag_responsavel varchar(1),
  tipo varchar(20),
  renda_de numeric(15,2),
  renda_ate numeric(15,2),
  flag_considerar_renda varchar(1),
  flag_familiar varchar(1),
  flag_sexo varchar(1),
  flag_freq_escolar varchar(1),
  id_beneficio integer,
  n_participantes integer,
  dias_vigencia integer,
  tipo_suas integer,
  idade_m_de integer,
  idade_m_ate integer,
  flag_gerar_remessa varchar(1)
);

-- No key: a person may join the same project again after leaving it.
create table projeto_familia_pessoa (
  id_projeto integer,
  id_pessoa integer,
  dt_inicio date,
  dt_fim date,
  valor_projeto numeric(15,2),
  flag_espera varchar(1),
  data_espera date,
  hora_espera time,
  id_unidade integer,
  id_atendimento integer,
  observacao varchar(1000),
  obs_geral varchar(1000),
  id_ponto integer,
  dt_ult_revisao date,
  dt_prox_revisao date,
  num_insc_espera integer,
  id_situacao_lista_espera integer,
  observacao_espera varchar(500)
);

create table prontuario_fisico (
  id_unidade integer not null,
  id_familia integer not null,
  prontuario_fisico varchar(100),
  primary key (id_unidade, id_familia)
);

create table status (
  id_status integer not null primary key,
  de_status varchar(30)
);

create table tipo_anexo (
  id_tipo_anexo integer not null primary key,
  de_tipo_anexo varchar(100)
);

create table tipo_despesa (
  id_tipo_despesa integer not null primary key,
  de_tipo_despesa varchar(100)
);

create table tipo_logradouro (
  id_tipo_logradouro integer not null primary key,
  de_tipo_logradouro varchar(50)
);

-- tipo is varchar so that "CRAS" reads back without trailing blanks.
create table unidade (
  id_unidade integer not null primary key,
  nome varchar(100),
  endereco varchar(150),
  complemento varchar(100),
  bairro varchar(100),
  telefone varchar(30),
  flag_prontuario varchar(1),
  responsavel varchar(100),
  cep varchar(10),
  email_unidade varchar(100),
  tipo varchar(10),
  n_identificador varchar(20),
  brasao blob sub_type binary,
  cnpj varchar(18),
  id_municipio integer,
  flag_ativa varchar(1)
);

create table usuarios (
  id_usuario integer not null primary key,
  id_profissional integer,
  usuario varchar(30)
);

create table visita_motivo (
  id_visita_motivo integer not null primary key,
  de_visita_motivo varchar(100)
);

create table visitas (
  id_unidade integer not null,
  id_visita integer not null,
  id_familia integer,
  id_entrevistado integer,
  id_profissional integer,
  id_profissional_sec integer,
  id_visita_motivo integer,
  data date,
  hora time,
  observacao varchar(1000),
  parecer varchar(1000),
  encaminhamento varchar(1000),
  flag_bloqueado varchar(1),
  id_unidade_enc integer,
  id_profissional_enc integer,
  primary key (id_unidade, id_visita)
);

-- Indexes for the conversion's per-family and per-project subqueries.
create index ix_pessoa_familia on pessoa (id_familia);
create index ix_projeto_familia_pessoa_pes on projeto_familia_pessoa (id_pessoa);
create index ix_projeto_familia_pessoa_prj on projeto_familia_pessoa (id_projeto);
